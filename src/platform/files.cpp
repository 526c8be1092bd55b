#include "platform/files.h"

#include <windows.h>

#include "platform/unique_handle.h"

bool fileExists(const char* path) {
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA(path, &found);
    if (search == INVALID_HANDLE_VALUE) return false;
    FindClose(search);
    return true;
}

bool writeFile(const char* path, const ByteBlock* blocks, size_t blockCount) {
    if (path == nullptr || path[0] == '\0') return false;
    SECURITY_ATTRIBUTES security = {};
    security.nLength = sizeof security;
    security.bInheritHandle = TRUE;
    // Share mode 0: nobody else reads, writes or deletes while we write.
    UniqueHandle file(CreateFileA(path, GENERIC_WRITE, 0, &security, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) return false;
    for (size_t i = 0; i < blockCount; ++i) {
        if (blocks[i].size == 0) continue;
        DWORD written = 0;
        if (!WriteFile(file.get(), blocks[i].data, blocks[i].size, &written, nullptr) ||
            written != blocks[i].size)
            return false;
    }
    return file.close();
}

bool writeFile(const char* path, std::initializer_list<ByteBlock> blocks) {
    return writeFile(path, blocks.begin(), blocks.size());
}
