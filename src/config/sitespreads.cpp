#include "config/sitespreads.h"

#include <cmath>

namespace korvane {

double lessresolution(double increment) {
    return increment < 240 ? std::nearbyint(increment / 10) * 10 + 10 : increment;
}

double moreresolution(double increment) {
    if (increment <= 10 || increment == endofsites) return increment;
    return std::nearbyint(increment / 10) * 10 - 10;
}

int rpmpreset(int index) {
    static constexpr int increments[] = {50, 80, 100, 160, 200};
    return increments[index];
}

std::array<int, 31> loadpreset(int index) {
    // The first site's increment, then the rest; atmospheric (760) falls on site 15, 19, 13
    // and 10 in turn.
    static constexpr int first[] = {60, 40, 40, 40}, rest[] = {50, 40, 60, 80};
    std::array<int, 31> increments;
    increments.fill(rest[index]);
    increments[0] = first[index];
    if (index == 0)
        for (int k = 15; k < 31; ++k)
            increments[k] = 40;
    return increments;
}

} // namespace korvane
