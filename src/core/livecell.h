#pragma once
#include <cstdint>

namespace korvane {

// The engine's operating cell as the live poll last read it: rpm-side (grid row) and
// load-side (grid column, the entry of a table) index, each 0..31.
extern uint8_t liverpm;
extern uint8_t liveload;

} // namespace korvane
