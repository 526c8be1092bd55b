#pragma once
#include <cstdint>

// Compares two zero-terminated byte texts as unsigned bytes: -1, 0 or 1.
// A null text equals an empty one.
int32_t compareText(const char* a, const char* b);
