#pragma once
#include <cstdint>

namespace korvane {

// The last online trim: the checksum the PC expected and the ECU's reply (-1: no reply).
extern int pcchecksum;
extern int ecuchecksum;

// Steps cell (rpm, load) of the current map by trimstep in direction (+1 / -1) within the
// map's raw limits and marks it changed; a step that would leave the limits is undone with a
// beep and turns direction into 3. Online, maps 8..43 then wait for Enter. Sets modified and
// ecudirty; redraw redraws the main window's graph. Does nothing while editready is 0.
void delval(int &direction, int load, int rpm, bool redraw);

// Moves the PC's checksum of map 1..7 by the step of direction and, online, sends the ECU the
// one-byte trim of load index load on the column it last selected, comparing its reply with
// that checksum. A different reply or none at all opens the checksum window, or within a group
// sets multierror. Direction 3 sends nothing. The next live poll is skipped either way.
void sendinc(int &direction, int load);

} // namespace korvane
