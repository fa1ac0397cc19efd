#include "editor/axislabels.h"

#include "core/calimage.h"
#include "core/prefs.h"
#include "editor/numbertext.h"

namespace korvane {

int16_t loadsteps[32]{};
int16_t rpmsteps[32]{};
uint8_t loadsites = 32;
uint8_t rpmsites = 32;
QString loadlabels[32];
QString rpmlabels[32];

namespace {

constexpr int endofsites = 255;

// Increment k (1..31) of the axis whose first 16 increments are in settings row firstrow and
// the other 15 in the next row; column 15 of that row is another setting and never read.
int16_t increment(int firstrow, int k)
{
    const int i = k - 1;
    return int16_t(curimage.settings[firstrow + i / 16][i % 16] & 0xFF);
}

} // namespace

QString loadlabel(int sum, bool metric)
{
    if (sum < atmospheric)
        return metric ? fixedtext(sum / 7.5, 0) + " kPa"
                      : QString::number(atmospheric - sum) + " mmHg";
    if (sum == atmospheric) return metric ? "101 kPa" : "0 mmHg";
    return metric ? fixedtext((sum - atmospheric) * 0.136 + 101, 0) + " kPa"
                  : fixedtext((sum - atmospheric) * 0.02, 1) + " psi";
}

void makeaxislabels()
{
    loadsteps[0] = 0;
    rpmsteps[0] = 0;
    loadsites = 32;
    rpmsites = 32;
    for (int k = 1; k <= 31; ++k) {
        loadsteps[k] = increment(4, k);
        rpmsteps[k] = increment(6, k);
        // Only the first 255 on an axis ends its sites.
        if (loadsites > k - 1 && loadsteps[k] == endofsites) loadsites = uint8_t(k);
        if (rpmsites > k - 1 && rpmsteps[k] == endofsites) rpmsites = uint8_t(k);
    }

    const bool metric = prefs[0] != 0;
    int load = 0;
    int rpm = 0; // 31 x 255 x 5 rpm does not fit 16 bits: sum in int
    for (int k = 0; k < 32; ++k) {
        load += loadsteps[k];
        rpm += rpmsteps[k];
        loadlabels[k] = loadlabel(load, metric);
        rpmlabels[k] = QString::number(5 * rpm) + " rpm";
    }
}

} // namespace korvane
