#pragma once

namespace korvane {

class MapGrid;

// Sets a map window's grid up once: 32 x 32 cells of 20 x 60 pixels, current cell (0, 0).
void initmapgrid(MapGrid &grid);
// Blanks every cell and header and writes the headers of the current map.
void setmapaxes(MapGrid &grid);

} // namespace korvane
