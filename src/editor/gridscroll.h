#pragma once

class QWidget;

namespace korvane {

class MapGrid;

// Keeps the cursor in view, or with "Load center" the live cell, or with a group selection
// its moving corner, moving the view only as far as needed; the grid's current cell always
// follows the cursor. reset shows the top-left cell first and changes nothing else.
void scrolltocell(MapGrid &grid, bool reset);

// Gives the focus to a map grid; any other control, or a grid that cannot take it, is left.
void focusgrid(QWidget *control);

} // namespace korvane
