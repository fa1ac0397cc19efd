#include "editor/gridscroll.h"

#include "editor/gridstate.h"
#include "editor/mapcatalogue.h"
#include "platform/mapgrid.h"

namespace korvane {

namespace {
// One axis of the view: its first and last visible index and how to set them.
struct ViewAxis {
    MapGrid &grid;
    bool rows;
    int first() const { return rows ? grid.firstvisiblerow() : grid.firstvisiblecolumn(); }
    int last() const { return rows ? grid.lastvisiblerow() : grid.lastvisiblecolumn(); }
    void setfirst(int i) const { rows ? grid.setfirstvisiblerow(i) : grid.setfirstvisiblecolumn(i); }
    void setlast(int i) const { rows ? grid.setlastvisiblerow(i) : grid.setlastvisiblecolumn(i); }
};

// A group's moving corner m pulls the view on the side it grows to from its anchor a.
void followcorner(const ViewAxis &axis, int m, int a)
{
    if (m > a) {
        if (m > axis.last() - 1)
            axis.setlast(m);
        else if (m < axis.first())
            axis.setfirst(m);
    } else {
        if (m < axis.first())
            axis.setfirst(m);
        else if (m > axis.last())
            axis.setlast(m);
    }
}

void followtarget(const ViewAxis &axis, int t)
{
    // The view is read first and written only when the target reaches one of its edges.
    if (t > axis.last() - 1) axis.setlast(t);
    if (t < axis.first()) axis.setfirst(t);
}
} // namespace

void scrolltocell(MapGrid &grid, bool reset)
{
    if (reset) {
        grid.setfirstvisiblecolumn(0);
        grid.setfirstvisiblerow(0);
        return;
    }
    const GridState s = currentgridstate();
    const bool table = mapcatalogue(s.map).kind == mapkind::table16;
    const ViewAxis columns{grid, false}, rows{grid, true};
    if (s.groupactive) {
        followcorner(columns, s.grouprect[2], s.grouprect[0]);
        followcorner(rows, s.grouprect[3], s.grouprect[1]);
    } else {
        const int row = s.loadcentre ? s.liverpm : s.currpm;
        const int column = s.loadcentre ? s.liveload : s.curload;
        // A target outside this map (a live cell beyond a 24 x 24 map or a table) is ignored.
        if (incell(s.map, table ? 0 : row, column)) {
            followtarget(columns, column);
            if (!table) followtarget(rows, row);
        }
        if (table) grid.setfirstvisiblerow(0);
    }
    // The current cell follows the cursor, also when the view follows the live cell.
    const int cursorrow = table ? 0 : s.currpm;
    if (!incell(s.map, cursorrow, s.curload)) return;
    if (grid.currentcolumn() != s.curload || grid.currentrow() != cursorrow)
        grid.setcurrentcell(cursorrow, s.curload);
}

void focusgrid(QWidget *control)
{
    if (auto *grid = qobject_cast<MapGrid *>(control)) grid->setFocus(Qt::OtherFocusReason);
}

} // namespace korvane
