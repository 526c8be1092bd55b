#include "capture/compare_text.h"

int32_t compareText(const char* a, const char* b) {
    if (a == nullptr) return (b == nullptr || b[0] == '\0') ? 0 : -1;
    if (b == nullptr) return a[0] == '\0' ? 0 : 1;
    const auto* left = reinterpret_cast<const unsigned char*>(a);
    const auto* right = reinterpret_cast<const unsigned char*>(b);
    for (;; ++left, ++right) {
        if (*left != *right) return *left < *right ? -1 : 1;
        if (*left == '\0') return 0;
    }
}
