#pragma once

namespace korvane {

class Canvas;

// The current 16-entry table (maps 8..39) as a line graph on the graph picture pic, the
// segments at the live entry and the cursor entry wider and in their band colours. Map 15
// (knock threshold) adds the threshold raised by the knock buffer, dotted, and the knock
// readings. The image is only read.
void twodraw(Canvas &pic);

// The last 255 knock readings as X marks over the graph, by engine speed and knock level.
void drawknockdots(Canvas &pic);

} // namespace korvane
