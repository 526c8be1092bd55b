#pragma once
#include <windows.h>

// Owns a kernel handle and closes it once. Moves, never copies.
class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(HANDLE handle) : handle_(handle) {}
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) reset(other.release());
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    ~UniqueHandle() { reset(); }

    HANDLE get() const { return handle_; }
    bool valid() const { return handle_ != nullptr && handle_ != INVALID_HANDLE_VALUE; }
    HANDLE release() {
        HANDLE handle = handle_;
        handle_ = nullptr;
        return handle;
    }
    // Closes the handle now and reports whether CloseHandle succeeded.
    bool close() {
        if (!valid()) return true;
        return CloseHandle(release()) != 0;
    }
    void reset(HANDLE handle = nullptr) {
        close();
        handle_ = handle;
    }

private:
    HANDLE handle_ = nullptr;
};
