#pragma once
#include <cstdint>

namespace korvane {

// 255 while the main window is wider than 15000 twips: the instrument panel draws its wide
// layout. Set by the main window's layout.
extern uint8_t widegauges;

} // namespace korvane
