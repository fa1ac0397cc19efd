#pragma once
#include <vector>

namespace korvane {

// Where a position falls on an axis of sites: the site at or below it (index) and the share of
// the way on to the next site (fraction, 0..1). A position at or beyond the last site is the last
// site itself: index = last - 1, fraction = 1. Of several sites at the very position (increments
// of 0) it takes the one nearest to the site number hint, so an unchanged spread maps every
// site onto itself.
struct sitespot {
    int index;
    float fraction;
};
sitespot sitesearch(const std::vector<int> &sites, int position, int hint);

// The site positions of an axis: site 0 at 0, each next one an increment further.
template <class T> std::vector<int> sitepositions(const T *increments, int sites) {
    std::vector<int> positions(sites, 0);
    for (int k = 1; k < sites; ++k)
        positions[k] = positions[k - 1] + increments[k - 1];
    return positions;
}

// Refills the maps of curimage that depend on the site spreads (fuel, the fuel and spark trims,
// spark and backup spark, the AFR target, PWM maps 9 and 10) so that each new site takes the
// value the old map had at its position, from the old and new site tables. PWM map 11, the
// tables, the AFR comments and the settings are left as they are. Marks the image changed.
void migratemaps();

} // namespace korvane
