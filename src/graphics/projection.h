#pragma once
#include <cstdint>

namespace korvane {

// Floor (height 0) screen points of the map drawings, in twips of the graph picture: first
// index the rpm side (X), second the load side (Y). The 32 x 32 grid turns with the view
// angles and spreads over the sites in use; the 24 x 24 grid is fixed.
extern int32_t gridx32[32][32], gridy32[32][32];
extern int32_t gridx24[24][24], gridy24[24][24];

// Recomputes the four floor grids from viewrot, viewtilt, rpmsites and loadsites. Run it
// after any of those changes; the drawings only add the heights. A site count of 0 counts
// as 1.
void loadrotcartesians();

} // namespace korvane
