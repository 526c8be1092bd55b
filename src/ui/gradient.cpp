#include "ui/gradient.h"

namespace {

int channelBetween(int from, int to, double t) {
    return from + static_cast<int>(t * (to - from));  // truncated toward zero
}

}  // namespace

COLORREF gradientRowColour(const Gradient& gradient, int height, int y) {
    const int n = gradient.stopCount;
    if (n < 2) return gradient.stops[0];
    const int band = height / (n - 1);
    if (band <= 0) return gradient.stops[n - 1];
    const int k = y / band;
    if (k > n - 2) return gradient.stops[n - 1];
    const double t = static_cast<double>(y % band) / band;
    const COLORREF from = gradient.stops[k];
    const COLORREF to = gradient.stops[k + 1];
    return RGB(channelBetween(GetRValue(from), GetRValue(to), t),
               channelBetween(GetGValue(from), GetGValue(to), t),
               channelBetween(GetBValue(from), GetBValue(to), t));
}
