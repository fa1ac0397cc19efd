#include "editor/colourmapcells.h"

#include "core/calimage.h"
#include "core/colours.h"
#include "editor/cellcolours.h"
#include "editor/gridstate.h"
#include "editor/mapcatalogue.h"
#include "editor/gridscroll.h"
#include "platform/mapgrid.h"

#include <algorithm>

namespace korvane {

int16_t prevcursor = 0;
int16_t prevlive = 0;

namespace {
// The tints every pass works from, computed afresh from the colours the user may change.
struct Tints {
    uint32_t cursor = halftint(colours[5]);
    uint32_t changed = fifthtint(colours[5]);
    uint32_t live = halftint(colours[3]);
};

bool visited(uint32_t trace) { return trace != colours[1]; }

bool istable(int map) { return mapcatalogue(map).kind == mapkind::table16; }
bool ispwm3d(int map) { return mapcatalogue(map).kind == mapkind::pwm24; }

bool changed(int map, int row, int column)
{
    const int slot = mapcatalogue(map).changedslot;
    return slot >= 0 && cellchanged[slot][row][column] == 255;
}

uint32_t restored(const GridState &s, const Tints &tints, int row, int column)
{
    if (istable(s.map)) return cellwhite;
    if (changed(s.map, row, column)) return tints.changed;
    return gridbasecolour(s.map, row, column, s.rpmsites, s.loadsites);
}

// The visit (and on spark maps knock) marks of one cell, from the trace arrays.
void markcell(MapGrid &grid, int map, int row, int column)
{
    if (ispwm3d(map)) {
        if (visited(visittrace[map - 40][row][column])) grid.setmark(row, column, true);
        return;
    }
    if (visited(fueltrace[row][column])) grid.setmark(row, column, true);
    if (map >= 4 && map <= 7 && visited(sparktrace[row][column]))
        grid.settextcolour(row, column, knockred);
}

void paintgroup(MapGrid &grid, const GridState &s)
{
    const auto &g = s.grouprect;
    const int top = std::max(0, std::min(g[1], g[3]));
    const int bottom = std::min(maprows(s.map) - 1, std::max(g[1], g[3]));
    const int left = std::max(0, std::min(g[0], g[2]));
    const int right = std::min(mapcols(s.map) - 1, std::max(g[0], g[2]));
    const uint32_t colour = s.entrypending ? grouppending : groupgrey;
    for (int a = top; a <= bottom; ++a)
        for (int b = left; b <= right; ++b) grid.setbackcolour(a, b, colour);
}

void paintwholetable(MapGrid &grid, const GridState &s, const Tints &tints)
{
    // Tables 11 and 25 are indexed by gear: entries past the sixth gear are greyed.
    const bool gears = s.map == 11 || s.map == 25;
    for (int a = -1; a < 32; ++a)
        for (int b = 0; b < 32; ++b) {
            grid.setmark(a, b, false);
            grid.settextcolour(a, b, gears && b >= 6 ? unusedgeargrey : 0);
        }
    for (int a = 0; a < 32; ++a)
        for (int b = 0; b < 32; ++b) grid.setbackcolour(a, b, tablebasecolour(a));
    // The grid draws no focus frame: without its tint a tuner could not see where a key acts.
    if (incell(s.map, 0, s.curload)) grid.setbackcolour(0, s.curload, tints.cursor);
}

void paintwholegrid(MapGrid &grid, const GridState &s, const Tints &tints)
{
    const bool mainmap = s.map <= 7;
    // A cursor or live cell outside this map (left over from a larger one) is not painted.
    const bool cursorin = incell(s.map, s.currpm, s.curload);
    const bool livein = mainmap && incell(s.map, s.liverpm, s.liveload);
    // Every text colour is reset, so grey gear text or red knock text of the map shown
    // before never stays behind.
    for (int b = 0; b < 32; ++b) grid.settextcolour(-1, b, 0);
    for (int a = 0; a < 32; ++a)
        for (int b = 0; b < 32; ++b) {
            grid.setmark(a, b, false);
            grid.settextcolour(a, b, 0);
            uint32_t colour;
            if (cursorin && a == s.currpm && b == s.curload)
                colour = tints.cursor;
            else if (livein && a == s.liverpm && b == s.liveload)
                colour = tints.live;
            else
                colour = restored(s, tints, a, b);
            grid.setbackcolour(a, b, colour);
            // Cells past a 24 x 24 map are blank and carry no marks.
            if (incell(s.map, a, b)) markcell(grid, s.map, a, b);
        }
    if (s.groupactive) paintgroup(grid, s);
}

void paintcell(MapGrid &grid, int map, int index, uint32_t colour)
{
    const int row = istable(map) ? 0 : index / 32;
    const int column = istable(map) ? index : index % 32;
    if (incell(map, row, column)) grid.setbackcolour(row, column, colour);
}
void paintwholemap(MapGrid &grid, const GridState &s)
{
    const Tints tints;
    prevcursor = int16_t(s.currpm * 32 + s.curload);
    prevlive = int16_t(s.liverpm * 32 + s.liveload);
    grid.setredraw(false);
    if (istable(s.map))
        paintwholetable(grid, s, tints);
    else
        paintwholegrid(grid, s, tints);
    grid.setredraw(true);
}

void paintchangedroles(MapGrid &grid, const GridState &s)
{
    const Tints tints;
    const bool table = istable(s.map);
    int cursor, live;
    if (table) {
        prevcursor = int16_t(prevcursor % 16);
        prevlive = int16_t(prevlive % 16);
        cursor = s.curload;
        live = s.liveload;
    } else {
        cursor = s.currpm * 32 + s.curload;
        live = s.liverpm * 32 + s.liveload;
    }
    const int oldcursor = prevcursor, oldlive = prevlive;
    auto restore = [&](int index) {
        const int row = table ? 0 : index / 32, column = table ? index : index % 32;
        paintcell(grid, s.map, index, restored(s, tints, row, column));
    };

    // The live cell wins over the cursor cell here; only the roles that moved are repainted.
    bool livedone = false, cursordone = false;
    if (oldlive == live) {
        paintcell(grid, s.map, oldlive, liveyellow);
        livedone = true;
    } else if (oldlive == cursor) {
        paintcell(grid, s.map, oldlive, tints.cursor);
        cursordone = true;
    } else {
        restore(oldlive);
    }
    if (oldcursor != oldlive) {
        if (oldcursor == live) {
            if (!livedone) paintcell(grid, s.map, oldcursor, liveyellow);
            livedone = true;
        } else if (oldcursor == cursor) {
            if (!cursordone) paintcell(grid, s.map, oldcursor, tints.cursor);
            cursordone = true;
        } else {
            restore(oldcursor);
        }
    }
    if (!cursordone) {
        if (cursor == live) {
            paintcell(grid, s.map, cursor, liveyellow);
            livedone = true;
        } else {
            paintcell(grid, s.map, cursor, tints.cursor);
        }
    }
    if (!livedone) paintcell(grid, s.map, live, liveyellow);
    prevcursor = int16_t(cursor);
    prevlive = int16_t(live);

    // Marks only grow here; a whole pass recomputes them.
    if (ispwm3d(s.map)) {
        for (int b = 0; b < 24; ++b)
            for (int a = 0; a < 24; ++a) markcell(grid, s.map, a, b);
    } else if (!table && incell(s.map, s.liverpm, s.liveload)) {
        markcell(grid, s.map, s.liverpm, s.liveload);
    }
    grid.setredraw(true);
}

} // namespace

void colourmapcells(MapGrid &grid, uint8_t whole)
{
    const GridState state = currentgridstate();
    if (whole == 255 || state.groupactive) {
        paintwholemap(grid, state);
        return;
    }
    paintchangedroles(grid, state);
    scrolltocell(grid, false);
    grid.setredraw(true);
}

void clearcellmarks(MapGrid &grid)
{
    grid.setredraw(false);
    for (int a = 0; a < 32; ++a)
        for (int b = 0; b < 32; ++b) {
            grid.setmark(a, b, false);
            grid.settextcolour(a, b, 0);
        }
    grid.setredraw(true);
}

} // namespace korvane
