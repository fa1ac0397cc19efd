#include "core/livedata.h"

#include "core/colours.h"
#include "core/commands.h"
#include "core/commio.h"
#include "core/editorstate.h"
#include "core/flags.h"
#include "core/onlineops.h"
#include "core/prefs.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace korvane {

int16_t livevals[livecount]{};
int16_t livepeaks[livecount]{};
uint8_t panelhold = 0;
int16_t enginerpm = 0;
uint8_t knockdoty[256]{}, knockdotx[256]{};
uint8_t vct1target = 0, vct1feedback = 0, vct2target = 0, vct2feedback = 0, vctresearch = 0;
uint8_t pollready = flagset;
uint8_t floatopen = 0;

namespace {

template <class F> uint32_t perchannel(uint32_t c, F f) {
    uint32_t out = 0;
    for (int shift = 0; shift <= 16; shift += 8)
        out |= uint32_t(f(int((c >> shift) & 255)) & 255) << shift;
    return out;
}

// Names the exchange in progress for the error label; it outlives a call on purpose: an
// exchange without a marker of its own fails under the last one set.
QString stepmarker;

void mark(int phase, int step) {
    stepmarker = QStringLiteral("%1, %2").arg(phase).arg(step);
}

bool mainonly() {
    return floatopen == 0;
}
bool tracking(int16_t hold) {
    return hold == 0;
}
int16_t clampbyte(uint8_t b, int low, int high) {
    return int16_t(std::clamp(int(b), low, high));
}

// A four-byte query whose exchanges carry the markers phase, first .. first + 3 (first 0: no
// marker). Returns how many bytes arrived; the caller stores only what is complete.
int query(uint8_t letter, int phase, int first, uint8_t b[4]) {
    const int got = queryecu(letter, b);
    if (first > 0) mark(phase, first + std::min(got, 3));
    return got;
}

// A one-byte query; reply is set only when it came.
bool single(uint8_t letter, const QString &marker, uint8_t &reply) {
    if (!marker.isEmpty()) stepmarker = marker;
    commtx = letter;
    commio(0);
    if (!commend()) return false;
    reply = commrx;
    return true;
}

// The live cell moves; each cursor index follows on an axis that is not held.
void setlivecell(uint8_t rpm, uint8_t load) {
    liverpm = rpm;
    liveload = load;
    if (tracking(rpmhold)) currpm = rpm;
    if (tracking(loadhold)) curload = load;
}

bool phase0() {
    uint8_t b[4]{};
    if (mainonly()) {
        uint8_t knock;
        if (!single(cmd::knockplot, QString(), knock)) return false;
        std::memmove(knockdoty + 1, knockdoty, 255);
        std::memmove(knockdotx + 1, knockdotx, 255);
        knockdoty[0] = knock;
        knockdotx[0] = enginerpm < 12000 ? uint8_t(enginerpm / 47) : 255;

        int got = query(cmd::queryinjection, 0, 1, b);
        if (got >= 1) livevals[liveduty] = b[0];
        if (got >= 3) // the pulse needs both its bytes
            livevals[livepulse] =
                int16_t(std::nearbyint((std::min<int>(b[1], 127) * 256 + b[2]) / 4.0));
        if (got >= 4) livevals[livetrimleft] = clampbyte(b[3], 104, 152);
        if (got < 4) return false;

        got = query(cmd::querytemps, 0, 5, b);
        const LiveSlot temps[4] = {livecoolant, liveairtemp, livebattery, livethrottle};
        for (int i = 0; i < got; ++i)
            livevals[temps[i]] = b[i];
        if (got < 4) return false;
    }
    const int got = query(cmd::queryengine, 0, 9, b);
    if (got >= 1) livevals[liveloadvalue] = b[0];
    if (got >= 2) livevals[liveroadspeed] = b[1];
    if (got >= 4) { // engine speed needs both its bytes
        const int high = std::min<int>(b[2], 127) * 256;
        livevals[liverpm50] = int16_t(high >= 12750 ? 255 : high / 50);
        enginerpm = int16_t(high + b[3]);
    }
    return got == 4;
}

bool phase1() {
    uint8_t e;
    if (!single(cmd::knockspark, QString(), e)) return false;
    if (e > 10) // the live cell is shared state: clamp it again before it indexes
        sparktrace[std::min<int>(liverpm, 31)][std::min<int>(liveload, 31)] =
            knockcolour(colours[1], e);
    if (!mainonly()) return true;

    uint8_t b[4]{};
    int got = query(cmd::queryclosedloop, 1, 1, b);
    if (got >= 3) livevals[livetrimright] = clampbyte(b[2], 104, 152);
    if (got < 4) return false;

    got = query(cmd::queryadvance, 1, 5, b);
    if (got >= 1) livevals[liveadvance] = b[0];
    if (got >= 4) livevals[liveboost] = int16_t(std::nearbyint(b[3] * 0.156));
    if (got < 4) return false;

    got = query(cmd::queryoxygen, 1, 9, b);
    const LiveSlot oxygen[4] = {liveafr, liveoxygen1, liveoxygen2, liveknock};
    for (int i = 0; i < got; ++i)
        livevals[oxygen[i]] = b[i];
    return got == 4;
}

// Maps 1..7 and 43: the load row, then the rpm row, then the visit trace.
bool phase2main() {
    uint8_t load, rpm;
    if (!single(cmd::liveloadrow, QStringLiteral("2, 1"), load)) return false;
    liveload = std::min<uint8_t>(load, 31);
    if (tracking(loadhold)) curload = liveload;

    bool rpmcame;
    if (curmap == 43) {
        rpmcame = single(cmd::liverpmheld, QStringLiteral("2, 2"), rpm);
    } else if (tracking(rpmhold)) {
        // This query also makes the ECU trim its live rpm row: the row it answers, when the
        // answer came and is a row of the map.
        rpmcame = single(cmd::liverpmrow(curmap), QStringLiteral("2, 2"), rpm);
        trimcolumn = rpmcame && rpm <= 31 ? TrimColumn{curmap, rpm} : TrimColumn{};
    } else {
        rpmcame = single(cmd::liverpmheld, QStringLiteral("2,3"), rpm);
    }
    if (!rpmcame) return false;
    liverpm = std::min<uint8_t>(rpm, 31);
    // A held rpm axis stays where the user put it on every map, the AFR target included:
    // an edit meant for the held row must not land on the engine's row.
    if (tracking(rpmhold)) currpm = liverpm;
    fueltrace[liverpm][liveload] = visitcolour(colours[1]);
    return true;
}

// Maps 40..42: the cell of a 24 x 24 map from two bytes of a query, both needed.
bool phase2pwm(int slot, uint8_t letter, int first, uint8_t b[4]) {
    const int got = query(letter, 2, 0, b);
    if (got >= first + 2) {
        const uint8_t x = std::min<uint8_t>(b[first], 23), y = std::min<uint8_t>(b[first + 1], 23);
        visittrace[slot][x][y] = inversecolour(colours[1]);
        setlivecell(x, y);
    }
    return got == 4;
}

bool phase2() {
    uint8_t b[4]{};
    if (curmap < 1 || curmap > 43) return true; // no map on screen: nothing to follow
    if (curmap < 8 || curmap == 43) {
        if (!phase2main()) return false;
    } else if (curmap < 40) {
        const int got = query(cmd::querytables(curmap), 2, 3, b);
        const int mine = (curmap - 8) % 4;
        if (got > mine) liveload = std::min<uint8_t>(b[mine], 15);
        if (got < 4) return false;
    } else if (curmap == 40) {
        if (!phase2pwm(0, cmd::querypwm9and10, 0, b)) return false;
        // Four values of their own, not halves of one number: each byte that came is kept.
        const int got = query(cmd::querycam, 2, 0, b);
        uint8_t *cam[4] = {&vct1target, &vct1feedback, &vct2target, &vct2feedback};
        for (int i = 0; i < got; ++i)
            *cam[i] = b[i];
        if (got < 4) return false;
        if (query(cmd::queryswitches, 2, 0, b) < 4) return false;
        vctresearch = b[3];
    } else if (curmap == 41) {
        if (!phase2pwm(1, cmd::querypwm9and10, 2, b)) return false;
    } else if (!phase2pwm(2, cmd::querypwm11, 0, b)) {
        return false;
    }
    editready = flagset;
    return true;
}

} // namespace

uint32_t visitcolour(uint32_t c) {
    return perchannel(c, [](int v) { return (12 * v + 243 * (255 - v)) / 256; });
}

uint32_t inversecolour(uint32_t c) {
    return perchannel(c, [](int v) { return 255 - v; });
}

uint32_t knockcolour(uint32_t c, int e) {
    return perchannel(c, [e](int v) { return ((255 - e) * v + e * (255 - v)) / 256; });
}

LivePoll getlivedata() {
    LivePoll result;
    if (online == 0) {
        editready = flagset;
        result.outcome = LivePoll::offline;
    } else if (pollready == 0) {
        result.outcome = LivePoll::skipped;
    } else {
        const int phase = pollphase % 3;
        const bool done = phase == 0 ? phase0() : phase == 1 ? phase1() : phase2();
        result.outcome = done ? LivePoll::completed : LivePoll::failed;
        result.label =
            done ? QStringLiteral("online") : QStringLiteral("error: ") + stepmarker + commerrtext;
    }
    pollphase = pollphase + 1 > 2 ? 0 : pollphase + 1;
    pollready = flagset;
    return result;
}

} // namespace korvane
