#include "editor/gridaxes.h"

#include "core/editorstate.h"
#include "editor/axislabels.h"
#include "editor/mapcatalogue.h"
#include "platform/mapgrid.h"

namespace korvane {

constexpr int gridsize = 32;

void initmapgrid(MapGrid &grid)
{
    grid.setgridsize(gridsize, gridsize);
    grid.setcellsize(20, 60);
    grid.setcurrentcell(0, 0);
}

void setmapaxes(MapGrid &grid)
{
    const mapinfo &m = mapcatalogue(curmap);
    grid.setredraw(false);
    // One space, as every cell the map does not use reads.
    for (int r = -1; r < gridsize; ++r)
        for (int c = -1; c < gridsize; ++c) grid.settext(r, c, " ");
    switch (m.kind) {
    case mapkind::sites32:
        for (int k = 0; k < gridsize; ++k) grid.settext(-1, k, loadlabels[k]);
        for (int k = 0; k < gridsize; ++k) grid.settext(k, -1, rpmlabels[k]);
        break;
    case mapkind::table16:
        for (int i = 0; i < 16; ++i) grid.settext(-1, i, headertext(m.headers, i));
        grid.settext(-1, -1, m.caption);
        break;
    case mapkind::pwm24:
        for (int x = 0; x < 24; ++x) grid.settext(x, -1, headertext(m.headers, x, 'X'));
        for (int y = 0; y < 24; ++y) grid.settext(-1, y, headertext(m.headers, y, 'Y'));
        break;
    }
    grid.setredraw(true);
}

} // namespace korvane
