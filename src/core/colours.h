#pragma once
#include <cstdint>

namespace korvane {

// Display colours, 0x00BBGGRR: 0 background, 1 wire graph (and the base of every trace),
// 2 rpm band, 3 load band, 4 panel state, 5 keyboard trim band, 6 highlight, 7 blend.
extern uint32_t colours[8];

// Per-cell trace colours written by the live poll; an element equal to colours[1] means the
// cell was never visited.
extern uint32_t fueltrace[32][32];
extern uint32_t sparktrace[32][32];
extern uint32_t visittrace[3][32][32];

} // namespace korvane
