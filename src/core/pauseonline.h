#pragma once
#include <cstdint>

namespace korvane {

extern uint8_t timerwasrunning; // 255: the main live loop ran when pauseonline stopped it

// Stops the main window's live loop while a window that talks to the ECU itself is open.
// With the loop running, single-setting writes go out at once (livewrite 255); with it already
// stopped they stay in the PC's copy (livewrite 0). Without a main window it reports
// "A main window timer error occured" and changes nothing.
void pauseonline();
// Undoes the matching pauseonline: puts back the livewrite it found and restarts the live loop
// if it ran; otherwise reminds the user to download. Pauses nest: each resume undoes the
// latest pause.
void resumeonline();
// True while some window that paused the live loop is open; nothing else may restart it then
// (the main window's resize included).
bool livepaused();

} // namespace korvane
