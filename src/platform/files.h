#pragma once
#include <cstddef>
#include <cstdint>
#include <initializer_list>

// A run of bytes to write.
struct ByteBlock {
    const void* data;
    uint32_t size;
};

// True when anything matches path: a file, a folder, or a wildcard's entries.
bool fileExists(const char* path);

// Creates path, or empties it, and writes the blocks in order, each with one
// WriteFile call. True when every block was written in full and the file
// closed without error; on a failed write the file is left as far as written.
bool writeFile(const char* path, const ByteBlock* blocks, size_t blockCount);
bool writeFile(const char* path, std::initializer_list<ByteBlock> blocks);
