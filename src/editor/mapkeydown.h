#pragma once

namespace korvane {

class MapGrid;
class mapwindow;

// The reminder that an online entry waits for Enter (forced: the user must see it).
void pressentermessage();

// Every key pressed on a map grid, as a Windows key code and shift mask (1 Shift, 2 Ctrl,
// 4 Alt): moves the cursor by the roam and 3D rules, grows a group with Ctrl+arrows, steps
// cells with PgUp/PgDn, sends the edited cell online with Enter, cycles the cam-timing view
// with V, and hands the function keys to the window. While an online entry waits for Enter,
// arrows and Esc only remind the user. The grid keeps the focus.
void mapkeydown(mapwindow &window, MapGrid &grid, int keycode, int shift);

// Ctrl+arrow on a 3D map: starts a group at the cursor or moves its moving corner.
void shiftarrow(mapwindow &window, MapGrid &grid, int keycode, int shift);

} // namespace korvane
