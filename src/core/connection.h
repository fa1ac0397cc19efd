#pragma once
#include <cstdint>

namespace korvane {

// Connects when the main window opens: with the auto-connect preference on and offline, shows
// the synchronisation warning when the image was edited, opens the main port and asks the
// ECU for its firmware byte. A reply makes the program online (a wrong firmware byte is
// reported, not refused); no reply or a port error closes the port, stays offline and says why.
void getecu();

enum class VersionCheck { notrun, matched, mismatched, noreply };

// Asks the ECU for its firmware byte on the open main port and reports the outcome: mode 1 on
// connecting, mode 2 from the menu (every message forced). Any other mode does nothing.
// Changes no state; the result lets the caller decide what a silent ECU means.
VersionCheck checkversion(int mode);

} // namespace korvane
