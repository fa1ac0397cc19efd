#pragma once

namespace korvane {

// Transposes the current 24 x 24 map (curmap 40..42) in the image, marks the image edited and
// repaints the main grid. The other two maps and the input selectors stay.
void switchaxes();

// Makes sure vctspread is known before map 40 is shown: takes the calibration's spread byte
// (ECU 0x10DA) or, when the calibration has none (255), asks for it in frmWarn7. A spread
// once known stays until a new image is loaded or uploaded.
void askvctispread();

} // namespace korvane
