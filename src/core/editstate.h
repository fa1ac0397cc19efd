#pragma once
#include <cstdint>

namespace korvane {

// Editor state that the serial operations read and write. It belongs to the map editor, but
// the link code (map select, single-setting write, live poll) must reach it, and the editor
// library sits above this one.
extern int16_t curmap;      // the map on screen, 1..43
extern uint8_t currpm;      // cursor, rpm-side index
extern uint8_t curload;     // cursor, load-side index
extern int16_t groupactive; // -1 while a group of cells is selected
extern int16_t entrypending; // -1 while an online edit waits for Enter
extern int16_t multierror;  // -1 once a write of a group or a single write failed
extern uint8_t floatopen;   // 255 while the floating grid window is open

} // namespace korvane
