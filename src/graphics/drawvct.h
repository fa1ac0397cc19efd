#pragma once

namespace korvane {

class Canvas;

// The cam-timing research view of map 40, for vctview 5 and above (else nothing): records one
// sample of the live cam-timing values, exports the trace when a cycle is full, prints the
// values and draws the next short step of each trace. Keeps the main live loop at 50 ms. An
// export that fails is told in the main window's hint line; the trace goes on.
void drawVCT(Canvas &pic);

} // namespace korvane
