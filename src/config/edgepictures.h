#pragma once

namespace korvane {

class Canvas;

// The pictures above the edge choices: a square wave of three falls and three rises on black,
// the edges that the choice below selects (1 rising, 2 falling, 3 any edge) in yellow.
void drawedgepicture(Canvas &canvas, int edge);

} // namespace korvane
