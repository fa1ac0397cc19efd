#pragma once
#include "editor/holdtrack.h"

class QTimer;

namespace korvane {

class MapGrid;

// A window that hosts a map grid (the main window, the floating grid): what the grid's key
// handler and the entry tools call back on it by name.
class mapwindow : public holdwindow {
  public:
    // The window's own function keys F1..F9 (key codes 112..120).
    virtual void formfunctions(int keycode, MapGrid &grid) = 0;
    // The trim step buttons "-" (1) and "+" (the map's fast step).
    virtual void cmdSlow_MouseDown() = 0;
    virtual void cmdFast_MouseDown() = 0;
    // The window's live-loop timer; group edits stop it while they talk to the ECU.
    virtual QTimer *looptimer() = 0;
    // True for the main window: its arrows may follow the 3D drawing and its step edits
    // redraw the graph.
    virtual bool ismainwindow() const = 0;
};

} // namespace korvane
