#pragma once
#include <QString>

namespace korvane {

class MapGrid;

// Sets a map window's grid up once: 32 x 32 cells of 20 x 60 pixels, current cell (0, 0).
void initmapgrid(MapGrid &grid);
// Blanks every cell and header and writes the headers of the current map.
void setmapaxes(MapGrid &grid);

// The headers of row r and column l of the map, as its grid shows them (a table's row has none).
QString rowheader(int map, int r);
QString columnheader(int map, int l);
// Cell (r, l) named for the tuner: the map's title and the cell's headers, "Dwell (12.0 V)".
QString cellname(int map, int r, int l);

} // namespace korvane
