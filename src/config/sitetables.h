#pragma once
#include <cstdint>

namespace korvane {

// The rpm and load site increments as the settings window found them when it opened (old) and
// as the last spread stored them (new), for the migration of the maps from one to the other.
// Entries 0..30 are the increments in order; entry 31 stays 0.
extern uint8_t oldrpminc[32], oldloadinc[32], newrpminc[32], newloadinc[32];
// The same spreads over the 24 sites of the 24 x 24 maps: every four increments become three
// covering nearly the same distance. Entries 0..22 are used.
extern int16_t oldrpminc24[24], oldloadinc24[24], newrpminc24[24], newloadinc24[24];

// Takes the increments of curimage into the old tables (flag -1) or the new ones (any other
// flag), with their 24-site forms. Cannot fail.
void calcsitetables(int flag);

// The 24-site increments of a 32-site spread.
void sites24(const uint8_t (&increments)[32], int16_t (&out)[24]);

} // namespace korvane
