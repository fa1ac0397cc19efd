#pragma once
#include <cstdint>

namespace korvane {

// The last crank test's edges: time = wraps of the 8-bit capture timers * 256 + capture byte,
// in order of capture; entries beyond the captured edges hold 0.
constexpr int crankedges = 1000;
extern int32_t trigedges[crankedges];
extern int32_t syncedges[crankedges];
// The capture bytes of the first reply of the last capture: the plot's start markers.
extern uint8_t firsttrig, firstsync;
// Countdown ticks of the crank test window: 0 at load, 8 at the last, 9 once it captured.
extern int16_t crankcountdown;

// Sets both edge lists to 0.
void clearcrankedges();

// Turns successive trigger and sync capture bytes into edge times on one time line. Both
// captures count up and wrap at 256; a byte below the last changed one means a wrap, counted
// at most once a poll.
class CrankCapture {
  public:
    // The first reply: sets firsttrig and firstsync and clears both lists.
    void start(uint8_t trigger, uint8_t sync);
    // One later reply: appends the edges of the captures that changed.
    void poll(uint8_t trigger, uint8_t sync);

  private:
    uint8_t lasttrig = 0, lastsync = 0, level = 0;
    int32_t wraps = 0;
    int trigcount = 0, synccount = 0;
};

} // namespace korvane
