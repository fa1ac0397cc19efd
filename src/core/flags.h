#pragma once
#include <cstdint>

class QString;

namespace korvane {

// Mode flags shared by every window; each holds 255 (set) or 0.
extern uint8_t modified; // the image holds changes not yet saved
// Read-only here: core/linestate.h says what each means, and only its functions change them.
extern const uint8_t &online;   // the main window's port is open and the ECU answered
extern const uint8_t &ecudirty; // the tuner edited the image since the last synchronisation
extern uint8_t livewrite; // single-setting writes are sent
extern uint8_t editready; // edits are accepted

// Live-loop rotation 0..2: which queries the next poll runs and what the tick redraws.
extern uint8_t pollphase;

constexpr uint8_t flagset = 255;

// True when nothing unsaved would be lost, or the user agrees to lose it (OK to question).
bool mayloseedits(const QString &question);

// The same before New, Open or an upload replaces the image. A save leaves modified set, so
// the question speaks of the changes since the calibration was loaded, saved or not.
bool mayreplaceimage();

} // namespace korvane
