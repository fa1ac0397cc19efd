#pragma once

namespace korvane {

class MapGrid;
class mapwindow;

// Space and F7: the "Manual entry" window for the cursor cell or the group, where the map
// allows typed values (offline maps 1..7 and 40..43, online 40..43 only; else says so); then
// the grid and the window's drawing show the result. Offline a group ends with the entry,
// online it stays for the Enter that sends it.
void directentry(mapwindow &window, MapGrid &grid);

} // namespace korvane
