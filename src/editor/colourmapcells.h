#pragma once
#include <cstdint>

namespace korvane {

class MapGrid;

// Cell indices (row * 32 + column; the entry for tables) of the cursor and the live cell as
// the last pass painted them, shared by both map grids.
extern int16_t prevcursor;
extern int16_t prevlive;

// Paints the cells of the current map: every cell when whole is 255 or a group selection is
// active, else only the cells whose cursor or live role changed since the last pass (and then
// keeps the cursor in view). A cursor or live cell outside the map is not painted.
void colourmapcells(MapGrid &grid, uint8_t whole);

// Removes every visit and knock mark (backgrounds stay).
void clearcellmarks(MapGrid &grid);

} // namespace korvane
