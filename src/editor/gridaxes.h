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
// Cell (r, l) of the map by its headers, "9% X, 22% Y" (a table's: its column header alone).
QString cellheaders(int map, int r, int l);

} // namespace korvane
