#pragma once

namespace korvane {

class Canvas;

// The fixed parts of the instruments: the panel frame with its label and value cells, row
// labels and, in bar mode, the bar scales on Picture3; the six analog gauge faces (gauge 1,
// load, on Picture3; gauges 2..6 on picgauges, only while the window is wide); then the live
// parts through paneldraw.
void panelpicreset(Canvas &Picture3, Canvas &picgauges);

// The face of gauge 1..6 centred at (x, y) on box, with its numbers and title for the
// metric preference. Gauges 2..6 in a narrow window only clear the row of the gauges.
void paintanaloggauge(int x, int y, int gauge, Canvas &box);

// Colours of the faces, 0x00BBGGRR.
constexpr unsigned facecolour = 0xE7DFEC;
constexpr unsigned tickcolour = 0x12129A;

} // namespace korvane
