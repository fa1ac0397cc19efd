#include "editor/scalefuel.h"

#include "core/calimage.h"
#include "core/flags.h"
#include "core/linestate.h"
#include "editor/colourmapcells.h"
#include "editor/frmfuel1.h"
#include "editor/showmapvalues.h"
#include "platform/forms.h"
#include "platform/mapgrid.h"

#include <algorithm>
#include <cmath>

namespace korvane {

namespace {
constexpr double fuelcellmax = 10000;
}

void scalefuelmap(float factor)
{
    for (int i = 0; i < 32; ++i)
        for (int j = 0; j < 32; ++j) {
            const double scaled = std::nearbyint(double(factor) * curimage.fuelmap[i][j]);
            curimage.fuelmap[i][j] = int32_t(std::clamp(scaled, 0.0, fuelcellmax));
            cellchanged[0][i][j] = 255;
        }
    markedited();
    calcmapsums();
}

void repaintmainmap()
{
    if (!loaded<frmFuel1>()) return;
    frmFuel1 *main = form<frmFuel1>();
    showmapvalues(*main->mapgrid, 255);
    colourmapcells(*main->mapgrid, 255);
    main->drawmap();
}

} // namespace korvane
