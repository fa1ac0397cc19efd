#pragma once
#include <cstdint>

namespace korvane {

class Canvas;

// The twelve live readouts of the panel picture (Picture3), as numbers or as bars by the
// panel-mode preference, keeping each value's peak, then the gauge needles (picgauges for
// gauges 2..6). Draws nothing while the cam-timing research view is chosen. The only writer
// of livepeaks; stores the trims back clamped to 104..152.
void paneldraw(Canvas &Picture3, Canvas &picgauges);

// The panel's buttons. Hold: peaks from now on, in orange. Reset: live values in cyan again,
// peaks from now on, the bar frame repainted. Mode: numbers and bars swap; the preference
// keeps the choice.
void holdpeaks();
void resetpeaks(Canvas &Picture3, Canvas &picgauges);
void togglepanelmode(Canvas &Picture3, Canvas &picgauges);

} // namespace korvane
