#pragma once
#include <QColor>
#include <cstdint>

namespace korvane {

// Program colours are 0x00BBGGRR (red in the low byte). These are the only conversions.
QColor tocolor(uint32_t bgr);
uint32_t fromcolor(const QColor &colour);
constexpr uint32_t rgbcolour(int r, int g, int b)
{
    return uint32_t(r & 255) | (uint32_t(g & 255) << 8) | (uint32_t(b & 255) << 16);
}

} // namespace korvane
