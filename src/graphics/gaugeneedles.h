#pragma once

namespace korvane {

class Canvas;

// The moving parts of the analog gauges: the load needle and its readout in kPa, or mmHg of
// vacuum and psi of boost, on Picture3; while the window is wide the needles of advance,
// duty, engine speed, coolant and throttle and the knock bar on picgauges. The coolant value
// is stored back limited to 130 (the next poll rewrites it).
void drawgauges(Canvas &Picture3, Canvas &picgauges);

} // namespace korvane
