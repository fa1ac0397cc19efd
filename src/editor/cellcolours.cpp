#include "editor/cellcolours.h"

namespace korvane {

namespace {
template <int Divisor, int Lift> uint32_t tint(uint32_t colour)
{
    const int r = colour & 255, g = (colour >> 8) & 255, b = (colour >> 16) & 255;
    return rgbcolour(r / Divisor + Lift, g / Divisor + Lift, b / Divisor + Lift);
}
} // namespace

uint32_t halftint(uint32_t colour) { return tint<2, 128>(colour); }
uint32_t fifthtint(uint32_t colour) { return tint<5, 200>(colour); }

uint32_t gridbasecolour(int map, int row, int column, int rpmsites, int loadsites)
{
    const bool pwm = map >= 40 && map <= 42;
    const bool outside = !pwm && (column >= loadsites || row >= rpmsites);
    const bool odd = row % 2 != 0;
    if (map <= 7) {
        if (outside) return odd ? rgbcolour(128, 128, 160) : rgbcolour(128, 128, 128);
        return odd ? rgbcolour(240, 240, 255) : cellwhite;
    }
    if (outside) return odd ? rgbcolour(128, 160, 128) : rgbcolour(128, 128, 128);
    return odd ? rgbcolour(240, 255, 240) : cellwhite;
}

uint32_t tablebasecolour(int row) { return row % 2 != 0 ? tableoddrow : cellwhite; }

} // namespace korvane
