#pragma once
#include "core/livecell.h" // liverpm, liveload: the live cell

#include <QString>
#include <cstdint>

namespace korvane {

// Live values, written only by the live poll (livepeaks only by the gauge panel).
constexpr int livecount = 17;
// Slots of livevals, raw ECU units.
enum LiveSlot {
    liveadvance,
    liverpm50,
    liveloadvalue,
    livepulse,
    liveduty,
    liveroadspeed,
    liveoxygen1,
    liveoxygen2,
    liveafr,
    liveboost,
    livebattery,
    liveairtemp,
    livecoolant,
    livetrimleft,
    livetrimright,
    livethrottle,
    liveknock
};
extern int16_t livevals[livecount];
extern int16_t livepeaks[livecount];
// 255 while the gauge panel shows its peaks (Hold), 0 while it shows live values; a new main
// window starts at 0.
extern uint8_t panelhold;
extern int16_t enginerpm;                      // engine speed in rpm
extern uint8_t knockdoty[256], knockdotx[256]; // knock plot history, entry 0 the newest
extern uint8_t vct1target, vct1feedback, vct2target, vct2feedback, vctresearch;

// pollphase (core/flags.h) chooses the phase the next poll runs.
extern uint8_t pollready; // 0: the next poll is skipped once (a write just went out)
extern uint8_t floatopen; // 255 while the floating grid window is open

// Trace colours from the wire graph colour c (0x00BBGGRR), channel by channel.
uint32_t visitcolour(uint32_t c);        // (12c + 243(255 - c)) \ 256
uint32_t inversecolour(uint32_t c);      // 255 - c
uint32_t knockcolour(uint32_t c, int e); // ((255 - e)c + e(255 - c)) \ 256

struct LivePoll {
    enum Outcome { offline, skipped, completed, failed };
    Outcome outcome = offline;
    QString label; // for the main window's status label after completed or failed
};

// The serial and data part of one live-poll tick: runs phase pollphase of the queries, stores
// the values, the knock history, the traces, the live cell and the cursor (currpm, curload on
// axes not held), and advances pollphase. Bytes used as indexes are clamped to their table; a
// value built from two bytes is stored only when both arrived. At the first failed exchange
// the phase stops and the values stored before it stay.
//
// The caller (main or floating window) finishes the tick: after completed it moves the grid
// cursor to (currpm, curload), gives the grid the focus and sets Label42 to label ("online");
// after failed it sets Label42 to label ("error: " + step + commerrtext); after offline and
// skipped it touches nothing.
LivePoll getlivedata();

} // namespace korvane
