#pragma once
#include <QString>
#include <optional>

namespace korvane {

// The raw value a typed value v in display units stands for on map 1..7 or 40..43 (map 40 in
// cam degrees when vct is set, over the VCTi spread); nothing when v lies outside the map's
// accepted range, when the raw value would not fit the cell, or for other maps.
std::optional<int> inputraw(int map, double v, bool vct, int spread);

// "Value was:    " and the raw value of a cell in display units with its unit.
QString valuewastext(int map, int raw, bool vct, int spread);

// Stores the typed text into cell (x, y) (rpm side, load side) of the current map. A text
// that is no number changes nothing; a number outside the map's range leaves the cell but
// still marks it changed. A stored value marks the image edited; online, maps 40..43 then
// wait for Enter.
void inputentry(const QString &text, int x, int y);

} // namespace korvane
