#pragma once
#include <cstdint>

class QLabel;

namespace korvane {

class MapGrid;

// Writes the values of the current map into the grid: every cell when whole is 255 (tables
// and the PWM and AFR maps then make (0, 0) the current cell), else only the cursor cell. A
// cursor outside the current map writes nothing.
void showmapvalues(MapGrid &grid, uint8_t whole);

// Shows the trim step in the unit of the current map's cells.
void showstep(QLabel &label);

} // namespace korvane
