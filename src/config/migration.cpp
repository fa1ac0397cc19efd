#include "config/migration.h"

#include "config/sitetables.h"
#include "core/calimage.h"
#include "core/flags.h"
#include "core/linestate.h"

#include <algorithm>
#include <cmath>

namespace korvane {

sitespot sitesearch(const std::vector<int> &sites, int position, int hint) {
    const int last = int(sites.size()) - 1;
    int k = last;
    while (k > 0 && sites[k] > position)
        --k; // the last site at or below the position
    if (sites[k] == position) {
        int first = k;
        while (first > 0 && sites[first - 1] == position)
            --first;
        k = std::clamp(hint, first, k);
        return k == last ? sitespot{last - 1, 1.0f} : sitespot{k, 0.0f};
    }
    if (k == last) return {last - 1, 1.0f};
    // sites[k] < position < sites[k + 1]: never a division by 0
    return {k, float(double(position - sites[k]) / (sites[k + 1] - sites[k]))};
}

namespace {

// One cell's interpolation over the four old cells around a new site, in single precision.
struct cellspot {
    sitespot rpm, load;
    template <class Map> float value(const Map &at) const {
        const int r = rpm.index, l = load.index;
        const float fr = rpm.fraction, fl = load.fraction;
        const float x1 = (1 - fl) * float(at(r, l)) + float(at(r, l + 1)) * fl;
        const float x2 = (1 - fl) * float(at(r + 1, l)) + float(at(r + 1, l + 1)) * fl;
        return x2 * fr + (1 - fr) * x1;
    }
};

int16_t tobyte(float value) {
    return int16_t(std::clamp(std::nearbyint(value), 0.0f, 255.0f));
}

// Every cell of a square map of sites x sites, its spot on the old axes.
template <class Cell>
void eachcell(const std::vector<int> &oldrpm, const std::vector<int> &oldload,
              const std::vector<int> &newrpm, const std::vector<int> &newload, Cell cell) {
    const int sites = int(newrpm.size());
    for (int i = 0; i < sites; ++i)
        for (int j = 0; j < sites; ++j)
            cell(i, j,
                 cellspot{sitesearch(oldrpm, newrpm[i], i), sitesearch(oldload, newload[j], j)});
}

} // namespace

void migratemaps() {
    const calimage &old = curimage;
    calimage migrated = curimage; // every cell is computed from the unmigrated maps

    eachcell(
        sitepositions(oldrpminc, 32), sitepositions(oldloadinc, 32), sitepositions(newrpminc, 32),
        sitepositions(newloadinc, 32), [&](int i, int j, const cellspot &spot) {
            const float fuel = spot.value([&](int r, int l) { return old.fuelmap[r][l]; });
            migrated.fuelmap[i][j] = int32_t(std::clamp(std::nearbyint(fuel), 0.0f, 65535.0f));
            for (int m = 0; m < 6; ++m)
                migrated.rammaps[32 * m + i][j] =
                    tobyte(spot.value([&](int r, int l) { return old.rammaps[32 * m + r][l]; }));
            migrated.afrmap[i][j] =
                tobyte(spot.value([&](int r, int l) { return old.afrmap[r][l]; }));
        });
    eachcell(sitepositions(oldrpminc24, 24), sitepositions(oldloadinc24, 24),
             sitepositions(newrpminc24, 24), sitepositions(newloadinc24, 24),
             [&](int i, int j, const cellspot &spot) {
                 for (int m = 0; m < 2; ++m) // PWM maps 9 and 10; 11 keeps its sites
                     migrated.pwmmaps[24 * m + i][j] = tobyte(
                         spot.value([&](int r, int l) { return old.pwmmaps[24 * m + r][l]; }));
             });

    curimage = migrated;
    calcmapsums();
    markedited();
}

} // namespace korvane
