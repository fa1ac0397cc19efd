#pragma once

namespace korvane {

class Canvas;

// The crank test's plot of the edge lists, scrolled by scroll steps of 1000 twips: start
// markers and a grid at 10 twips a count, the trigger (green) and sync (yellow) pulse trains
// at 20 twips a count. Edges of time 0 or less are not drawn.
void drawdata(Canvas &canvas, int scroll);

} // namespace korvane
