#include "editor/gridaxes.h"

#include "core/editorstate.h"
#include "editor/axislabels.h"
#include "editor/mapcatalogue.h"
#include "platform/mapgrid.h"

#include <algorithm>

namespace korvane {

constexpr int gridsize = 32;

void initmapgrid(MapGrid &grid)
{
    grid.setgridsize(gridsize, gridsize);
    grid.setcellsize(20, 60);
    grid.setcurrentcell(0, 0);
}

QString rowheader(int map, int r)
{
    const mapinfo &m = mapcatalogue(map);
    switch (m.kind) {
    case mapkind::sites32: return rpmlabels[std::clamp(r, 0, gridsize - 1)];
    case mapkind::table16: return {};
    case mapkind::pwm24: return headertext(m.headers, r, 'X');
    }
    return {};
}

QString columnheader(int map, int l)
{
    const mapinfo &m = mapcatalogue(map);
    if (m.kind == mapkind::sites32) return loadlabels[std::clamp(l, 0, gridsize - 1)];
    return headertext(m.headers, l, m.kind == mapkind::pwm24 ? 'Y' : 'X');
}

QString cellheaders(int map, int r, int l)
{
    const QString row = rowheader(map, r), column = columnheader(map, l);
    return row.isEmpty() ? column : row + ", " + column;
}

void setmapaxes(MapGrid &grid)
{
    const mapinfo &m = mapcatalogue(curmap);
    grid.setredraw(false);
    // One space, as every cell the map does not use reads.
    for (int r = -1; r < gridsize; ++r)
        for (int c = -1; c < gridsize; ++c) grid.settext(r, c, " ");
    const int rows = m.kind == mapkind::table16 ? 0 : maprows(curmap);
    for (int r = 0; r < rows; ++r) grid.settext(r, -1, rowheader(curmap, r));
    for (int c = 0; c < mapcols(curmap); ++c) grid.settext(-1, c, columnheader(curmap, c));
    if (m.kind == mapkind::table16) grid.settext(-1, -1, m.caption);
    grid.setredraw(true);
}

} // namespace korvane
