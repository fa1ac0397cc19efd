#pragma once
#include <cstdint>
#include <functional>

namespace korvane {

class Canvas;

// Surface y of every cell of the last drawing, in twips.
extern int32_t projy32[32][32];
extern int32_t projy24[24][24];

// The current map as a wire frame on the graph picture pic, over the floor grids of
// loadrotcartesians: ThreeDraw32 for maps 1..7 and 43 (turned with the view angles),
// threedraw24 for maps 40..42 (fixed). Both store the live cell back clamped to their grid.
void ThreeDraw32(Canvas &pic);
void threedraw24(Canvas &pic);
// The axis captions and arrows under the drawing; the last step of both.
void drawaxeslabels(Canvas &pic);

// The cam-timing view drawn on map 40 online when the VCT configuration asks for it: with
// vctview 5 and above instead of the surface, below that over it. Not set: nothing is drawn.
std::function<void(Canvas &)> &camtimingview();

} // namespace korvane
