#include "graphics/projection.h"
#include "editor/axislabels.h"
#include "editor/viewangles.h"

#include <algorithm>
#include <cmath>

namespace korvane {

int32_t gridx32[32][32], gridy32[32][32];
int32_t gridx24[24][24], gridy24[24][24];

namespace {
constexpr double centrex = 2860, centrey = 1940;

// The turned point keeps the rounding of the classic drawing: the angle's quarter fix uses
// 3.14159 and the view angle is divided in single precision, so pictures match to the twip.
void turn(double bx, double by, int32_t &x, int32_t &y0) {
    double a = std::atan((centrey - by) / (centrex - bx + 0.01));
    if (bx >= centrex) a += 3.14159;
    a += double(float(viewrot) / 114.0f) - 1.2;
    const double r = std::sqrt((by - centrey) * (by - centrey) + (bx - centrex) * (bx - centrex));
    x = int32_t(std::nearbyint(centrex - std::cos(a) * r));
    y0 = int32_t(std::nearbyint(centrey - std::sin(a) * r));
}

// Squeezes the turned floor about y = 2250 and drops it by the tilt.
int32_t tilt(int32_t y0) {
    const float t = float(viewtilt);
    const double shift = double((10.0f - t) * 100.0f + 2200.0f);
    return int32_t(
        std::nearbyint(shift + (t * 0.06 + 0.2) * 2250 + (0.8 - t * 0.06) * (y0 - 2250)));
}
} // namespace

void loadrotcartesians() {
    const double rpmpitch = 3600.0 / std::max<int>(rpmsites, 1);
    const double loadpitch = 3600.0 / std::max<int>(loadsites, 1);
    for (int i = 0; i < 32; ++i)
        for (int j = 0; j < 32; ++j) {
            int32_t y0 = 0;
            turn(1000 + rpmpitch * i, 3800 - loadpitch * j, gridx32[i][j], y0);
            gridy32[i][j] = tilt(y0);
        }
    for (int x = 0; x < 24; ++x)
        for (int y = 0; y < 24; ++y) {
            gridx24[x][y] = 2300 - 80 * y + 120 * x;
            gridy24[x][y] = 5000 - 14 * x - 28 * y;
        }
}

} // namespace korvane
