#pragma once
#include <cstdlib>
#include <cstring>
#include <memory>

// A text on the C heap, freed with its owner. (The shipped programs keep away
// from the C++ library's allocating containers to stay small.)
struct FreeDeleter {
    void operator()(void* memory) const { std::free(memory); }
};
using HeapText = std::unique_ptr<char, FreeDeleter>;

inline HeapText allocateText(size_t length) {
    return HeapText(static_cast<char*>(std::malloc(length + 1)));
}
inline HeapText copyText(const char* text) {
    const size_t length = std::strlen(text);
    HeapText copy = allocateText(length);
    if (copy) std::memcpy(copy.get(), text, length + 1);
    return copy;
}
