#pragma once
#include <cstdint>

namespace korvane {

// The map editor's shared state. It lives beside the image because the live poll, the
// single-setting write and the start-up window read and reset it too.

extern uint8_t curmap;  // the map on screen, 1..43
extern uint8_t currpm;  // cursor: rpm-side (X) index, the grid row
extern uint8_t curload; // cursor: load-side (Y) index, the grid column; the entry of a table

extern bool groupactive;     // a group selection is active
extern uint8_t grouprect[4]; // anchor load, anchor rpm, moving-corner load, moving-corner rpm
extern bool entrypending;    // a typed cell entry still waits for Enter
extern bool multierror;      // a write of the running group failed or was refused

extern int16_t trimstep; // keyboard-trim step in raw counts: 1, 2 or 10

extern uint8_t vctview;   // cam-timing view selector 0..9 (map 40 online)
extern int16_t vctindex;  // next cam-timing trace sample, 0..999
extern uint8_t vctspread; // VCTi spread in degrees, 0 = not yet known

} // namespace korvane
