#pragma once
#include <windows.h>

// One owning class per handle kind: each releases its handle once, moves
// but never copies. Shared by the launcher and the capture tool.
template <typename Handle, typename Traits>
class Owned {
public:
    Owned() = default;
    explicit Owned(Handle handle) : handle_(handle) {}
    Owned(Owned&& other) noexcept : handle_(other.release()) {}
    Owned& operator=(Owned&& other) noexcept {
        if (this != &other) reset(other.release());
        return *this;
    }
    Owned(const Owned&) = delete;
    Owned& operator=(const Owned&) = delete;
    ~Owned() { reset(); }

    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }
    Handle release() {
        Handle handle = handle_;
        handle_ = nullptr;
        return handle;
    }
    void reset(Handle handle = nullptr) {
        if (handle_) Traits::free(handle_);
        handle_ = handle;
    }

private:
    Handle handle_ = nullptr;
};

struct GdiObjectTraits {
    static void free(HGDIOBJ object) { DeleteObject(object); }
};
struct MemoryDcTraits {
    static void free(HDC dc) { DeleteDC(dc); }
};
struct IconTraits {
    static void free(HICON icon) { DestroyIcon(icon); }
};
struct LibraryTraits {
    static void free(HMODULE module) { FreeLibrary(module); }
};
struct GlobalTraits {
    static void free(HGLOBAL memory) { GlobalFree(memory); }
};
