#include "editor/showmapvalues.h"

#include "core/calimage.h"
#include "core/editorstate.h"
#include "editor/celltext.h"
#include "editor/mapcatalogue.h"
#include "platform/mapgrid.h"

#include <QLabel>

namespace korvane {

namespace {
void showcell(MapGrid &grid, int map, int r, int l, bool vct)
{
    grid.settext(r, l, cellvaluetext(map, cellvalue(curimage, map, r, l), vct, vctspread));
}
} // namespace

void showmapvalues(MapGrid &grid, uint8_t whole)
{
    const int map = curmap;
    const bool vct = vctform();
    if (whole != 255) {
        const int r = mapcatalogue(map).kind == mapkind::table16 ? 0 : currpm;
        if (incell(map, r, curload)) showcell(grid, map, r, curload, vct);
        return;
    }
    grid.setredraw(false);
    for (int r = 0; r < maprows(map); ++r)
        for (int l = 0; l < mapcols(map); ++l) showcell(grid, map, r, l, vct);
    grid.setredraw(true);
    if (map >= 8) grid.setcurrentcell(0, 0);
}

void showstep(QLabel &label) { label.setText(steptext(curmap, trimstep, vctform(), vctspread)); }

} // namespace korvane
