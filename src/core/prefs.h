#pragma once
#include <cstdint>

namespace korvane {

// The user's 21 preference slots, 16-bit -1 (true) or 0 (false); slot 11 holds the COM port.
extern int16_t prefs[21];

constexpr int16_t prefon = -1;
constexpr int16_t prefoff = 0;

// Slots that the program names on their own.
inline int16_t &rpmhold = prefs[1];
inline int16_t &loadhold = prefs[2];
inline int16_t &comport = prefs[11];
inline int16_t &hidemessages = prefs[12];

} // namespace korvane
