#include "config/sitetables.h"

#include "core/calimage.h"

#include <cmath>

namespace korvane {

uint8_t oldrpminc[32]{}, oldloadinc[32]{}, newrpminc[32]{}, newloadinc[32]{};
int16_t oldrpminc24[24]{}, oldloadinc24[24]{}, newrpminc24[24]{}, newloadinc24[24]{};

void sites24(const uint8_t (&t)[32], int16_t (&u)[24]) {
    for (int g = 0; g < 8; ++g) {
        const double a = t[4 * g], b = t[4 * g + 1], c = t[4 * g + 2], d = t[4 * g + 3];
        u[3 * g] = int16_t(std::nearbyint(a + 0.33 * b));
        u[3 * g + 1] = int16_t(std::nearbyint(0.66 * c + 0.66 * b));
        u[3 * g + 2] = int16_t(std::nearbyint(0.33 * c + d));
    }
}

void calcsitetables(int flag) {
    const bool old = flag == -1;
    uint8_t(&load)[32] = old ? oldloadinc : newloadinc;
    uint8_t(&rpm)[32] = old ? oldrpminc : newrpminc;
    // Increments 0..15 fill settings rows 4 (load) and 6 (rpm), 16..30 the next rows; column
    // 15 of those holds another setting.
    for (int n = 0; n < 31; ++n) {
        load[n] = uint8_t(curimage.settings[4 + n / 16][n % 16]);
        rpm[n] = uint8_t(curimage.settings[6 + n / 16][n % 16]);
    }
    load[31] = 0;
    rpm[31] = 0;
    sites24(load, old ? oldloadinc24 : newloadinc24);
    sites24(rpm, old ? oldrpminc24 : newrpminc24);
}

} // namespace korvane
