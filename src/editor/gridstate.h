#pragma once
#include <array>

namespace korvane {

// What the grid procedures read of the editor: the map, the cursor, the live cell, the used
// extent of the axes and the group selection. Tests build one; the program takes it from
// the shared state with currentgridstate.
struct GridState {
    int map = 1;
    int currpm = 0, curload = 0;   // cursor: grid row, grid column (entry of a table)
    int liverpm = 0, liveload = 0; // the engine's operating cell
    int rpmsites = 32, loadsites = 32;
    bool groupactive = false;
    std::array<int, 4> grouprect{}; // anchor load, anchor rpm, moving load, moving rpm
    bool entrypending = false;
    bool loadcentre = false; // the view follows the live cell instead of the cursor
};

GridState currentgridstate();

} // namespace korvane
