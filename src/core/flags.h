#pragma once
#include <cstdint>

class QString;

namespace korvane {

// Mode flags shared by every window; each holds 255 (set) or 0.
extern uint8_t online;   // the main window's port is open and the ECU answered
extern uint8_t modified; // the image holds changes not yet saved
extern uint8_t ecudirty; // the image was edited since the last download
extern uint8_t livewrite; // single-setting writes are sent
extern uint8_t editready; // edits are accepted

// Live-loop rotation 0..2: which queries the next poll runs and what the tick redraws.
extern uint8_t pollphase;

constexpr uint8_t flagset = 255;

// Marks the image as changed by the user: unsaved, and different from the ECU.
inline void markedited()
{
    modified = flagset;
    ecudirty = flagset;
}

// Keeps modified and ecudirty as they were while a window only fills its controls with the
// image (whose change handlers would mark it edited).
class KeepEditFlags {
  public:
    KeepEditFlags() : keptmodified(modified), keptdirty(ecudirty) {}
    ~KeepEditFlags();
    KeepEditFlags(const KeepEditFlags &) = delete;
    KeepEditFlags &operator=(const KeepEditFlags &) = delete;

  private:
    uint8_t keptmodified, keptdirty;
};

// True when nothing unsaved would be lost, or the user agrees to lose it (OK to question).
bool mayloseedits(const QString &question);

// The same before New, Open or an upload replaces the image. A save leaves modified set, so
// the question speaks of the changes since the calibration was loaded, saved or not.
bool mayreplaceimage();

} // namespace korvane
