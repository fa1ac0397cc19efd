#pragma once

namespace korvane {

// Writes one byte to its ECU address at once while livewrite is set: two 'c', 'H', address and
// value, the 64-byte tail of writeseq; the ECU answers (address + value) & 255 (0 sent as 1).
// An address outside the two ECU blocks or a value above 255 is refused before anything is
// sent. A failed or refused write beeps (except a refusal by the ECU), sets multierror and,
// outside a group, is reported; the PC's copy keeps the value either way. The next live-poll
// tick is skipped.
void sendsetting(int address, int value);

// Tells the ECU which main map (1..7) is on screen and the cursor's rpm row. False after a
// timeout or a wrong confirmation, which is reported unless report is false (a group run
// reports its own failure). Offline and for maps 8 and above nothing is sent (true).
bool sendmapselect(bool report = true);

// After the user confirms, steps the ECU's air-fuel ratio down for calibration ('h' twice);
// a wrong reply or no reply is reported. The live loop is paused around it.
void stepafr();

} // namespace korvane
