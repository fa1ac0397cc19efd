#include "logging/crankcapture.h"

#include <algorithm>
#include <iterator>

namespace korvane {

int32_t trigedges[crankedges]{};
int32_t syncedges[crankedges]{};
uint8_t firsttrig = 0, firstsync = 0;
int16_t crankcountdown = 0;

void clearcrankedges()
{
    std::fill(std::begin(trigedges), std::end(trigedges), 0);
    std::fill(std::begin(syncedges), std::end(syncedges), 0);
}

void CrankCapture::start(uint8_t trigger, uint8_t sync)
{
    clearcrankedges();
    firsttrig = lasttrig = trigger;
    firstsync = lastsync = sync;
    level = std::max(trigger, sync);
    wraps = 0;
    trigcount = synccount = 0;
}

void CrankCapture::poll(uint8_t trigger, uint8_t sync)
{
    const bool trigmoved = trigger != lasttrig, syncmoved = sync != lastsync;
    if (trigmoved && syncmoved) {
        if (trigger < level || sync < level) ++wraps;
        level = std::min(trigger, sync);
    } else if (trigmoved) {
        if (trigger < level) ++wraps;
        level = trigger;
    } else if (syncmoved) {
        if (sync < level) ++wraps;
        level = sync;
    }
    if (trigmoved && trigcount < crankedges) {
        trigedges[trigcount++] = wraps * 256 + trigger;
        lasttrig = trigger;
    }
    if (syncmoved && synccount < crankedges) {
        syncedges[synccount++] = wraps * 256 + sync;
        lastsync = sync;
    }
}

} // namespace korvane
