#include <gtest/gtest.h>

#include "ui/gradient.h"

TEST(HeaderGradient, RowsFollowTheIntegerAndRealArithmetic) {
    const Gradient header = {3, {RGB(86, 197, 243), RGB(50, 185, 239), RGB(31, 178, 239)}};
    struct Row {
        int y;
        COLORREF colour;
    };
    static const Row rows[] = {
        {0, RGB(86, 197, 243)},
        {1, RGB(84, 197, 243)},   // 86 + trunc(1/15 * -36) = 86 - 2
        {14, RGB(53, 186, 240)},  // 86 + trunc(14/15 * -36) = 53; 197 + trunc(-11.2) = 186
        {15, RGB(50, 185, 239)},
        {29, RGB(33, 179, 239)},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.y);
        EXPECT_EQ(gradientRowColour(header, 30, row.y), row.colour);
    }
}

TEST(HeaderGradient, RowsPastTheLastBandTakeTheLastStop) {
    const Gradient header = {3, {RGB(0, 0, 0), RGB(100, 100, 100), RGB(200, 200, 200)}};
    // Height 31: bands of 15 rows, row 30 is past both bands.
    EXPECT_EQ(gradientRowColour(header, 31, 30), RGB(200, 200, 200));
}
