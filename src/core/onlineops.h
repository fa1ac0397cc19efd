#pragma once
#include <QString>

namespace korvane {

// How a single-setting write ended.
enum class WriteResult {
    written, // the ECU confirmed it
    refused, // the ECU answered 0: it will refuse the same write every time
    failed,  // not sent (livewrite 0, a bad address), timed out or wrongly answered
};

// Writes one byte to its ECU address at once while livewrite is set: two 'c', 'H', address and
// value, the 64-byte tail of writeseq; the ECU answers (address + value) & 255 (0 sent as 1).
// An address outside the two ECU blocks or a value above 255 is refused before anything is
// sent. A failed or refused write beeps (except a refusal by the ECU), sets multierror and,
// unless report is false or a group is active (failures only), is reported; the PC's copy keeps
// the value either way, and any outcome but written marks the ECU as possibly different. The
// next live-poll tick is skipped.
WriteResult sendsetting(int address, int value, bool report = true);

// The notice of a write the ECU refused, before any list of what it refused.
QString refusaltext();

// The main map and rpm row the ECU's keyboard trim acts on, as last confirmed to the PC: by a
// map select, or by the live poll's rpm row while the rpm side tracks. map 0: not known (a
// select failed, the poll's reply was lost or out of the map, a row copy went out, or the
// port was opened afresh).
struct TrimColumn {
    int map = 0, row = 0;
    bool operator==(const TrimColumn &) const = default;
};
extern TrimColumn trimcolumn;

// Tells the ECU which main map (1..7) is on screen and the cursor's rpm row. False after a
// timeout or a wrong confirmation, which is reported unless report is false (a group run
// reports its own failure). Offline and for maps 8 and above nothing is sent (true).
bool sendmapselect(bool report = true);

// Before a single trim of map 1..7 online: true when the ECU trims the cursor's column, after
// selecting it again where that is not known; false when that select failed as well (nothing
// reported). Offline and for maps 8 and above true at once.
bool trimcolumnready();

// After the user confirms, steps the ECU's air-fuel ratio down for calibration ('h' twice);
// a wrong reply or no reply is reported. The live loop is paused around it.
void stepafr();

} // namespace korvane
