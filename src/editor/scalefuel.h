#pragma once

namespace korvane {

// Multiplies every cell of the fuel map by factor, rounded half to even and kept within
// 0..10000, marks all 1024 cells changed, marks the image edited and recomputes the map sums
// (the next online trim compares against them).
void scalefuelmap(float factor);

// Rewrites every value and colour of the main window's grid and redraws its graph; nothing
// without a main window.
void repaintmainmap();

} // namespace korvane
