#include "core/linestate.h"
#include "core/colours.h"
#include "core/commio.h"
#include "core/editorstate.h"
#include "core/flags.h"
#include "core/livedata.h"
#include "core/prefs.h"
#include "simlink.h"

#include <cstring>
#include <utility>

using namespace korvane;
using namespace korvane::test;

namespace {
class LivePollTest : public SimLinkTest {
  protected:
    void SetUp() override {
        SimLinkTest::SetUp();
        goonline();
        pollready = flagset;
        floatopen = 0;
        rpmhold = 0;
        loadhold = 0;
        curmap = 1;
        currpm = curload = liverpm = liveload = 0;
        enginerpm = 0;
        std::memset(livevals, 0, sizeof livevals);
        std::memset(fueltrace, 0, sizeof fueltrace);
        std::memset(sparktrace, 0, sizeof sparktrace);
        std::memset(visittrace, 0, sizeof visittrace);
        colours[1] = 0; // black wire graph
    }
    void TearDown() override {
        resetlinestate();
        floatopen = 0;
        SimLinkTest::TearDown();
    }
    // Runs one poll of the given phase and returns what the ECU received.
    QByteArray poll(int phase, LivePoll *result = nullptr) {
        pollphase = uint8_t(phase);
        ecu.clearreceived();
        const LivePoll outcome = getlivedata();
        if (result) *result = outcome;
        EXPECT_EQ(pollphase, (phase + 1) % 3);
        return ecu.received();
    }
};
} // namespace

TEST_F(LivePollTest, EachPhaseSendsItsQueriesInOrder) {
    LivePoll result;
    EXPECT_EQ(poll(0, &result), QByteArray("dPRT"));
    EXPECT_EQ(result.outcome, LivePoll::completed);
    EXPECT_EQ(result.label, "online");
    EXPECT_EQ(poll(1), QByteArray("eQSU"));

    curmap = 3;
    EXPECT_EQ(poll(2), QByteArray("\x60k"));
    EXPECT_EQ(editready, flagset);
    curmap = 7;
    EXPECT_EQ(poll(2), QByteArray("\x60o"));
    rpmhold = prefon;
    EXPECT_EQ(poll(2), QByteArray("\x60"
                                  "a"));
    curmap = 43;
    EXPECT_EQ(poll(2), QByteArray("\x60"
                                  "a"));
    curmap = 12;
    EXPECT_EQ(poll(2), QByteArray("q"));
    curmap = 39;
    EXPECT_EQ(poll(2), QByteArray("w"));
    curmap = 40;
    EXPECT_EQ(poll(2), QByteArray("V[Z"));
    curmap = 41;
    EXPECT_EQ(poll(2), QByteArray("V"));
    curmap = 42;
    EXPECT_EQ(poll(2), QByteArray("W"));

    floatopen = flagset; // the floating grid polls only what it shows
    EXPECT_EQ(poll(0), QByteArray("T"));
    EXPECT_EQ(poll(1), QByteArray("e"));
}

TEST_F(LivePollTest, OfflineAndSkippedTicksSendNothing) {
    gooffline(Offline::windowclosing);
    editready = 0;
    LivePoll result;
    EXPECT_EQ(poll(0, &result), QByteArray());
    EXPECT_EQ(result.outcome, LivePoll::offline);
    EXPECT_EQ(editready, flagset);

    goonline();
    pollready = 0;
    EXPECT_EQ(poll(1, &result), QByteArray());
    EXPECT_EQ(result.outcome, LivePoll::skipped);
    EXPECT_EQ(pollready, flagset);
    EXPECT_FALSE(ecu.waitreceived(1, 20));
}

TEST_F(LivePollTest, EngineValuesAndKnockHistory) {
    ecu.setquery('T', {90, 55, 200, 10});
    ecu.setquery('P', {77, 130, 3, 200});
    ecu.setquery('S', {12, 0, 0, 189});
    ecu.setquery('Q', {0, 0, 50, 0});
    ecu.setbyte('d', 66);
    poll(0);
    EXPECT_EQ(enginerpm, 127 * 256 + 10);
    EXPECT_EQ(livevals[liverpm50], 255);
    EXPECT_EQ(livevals[liveloadvalue], 90);
    EXPECT_EQ(livevals[liveroadspeed], 55);
    EXPECT_EQ(livevals[liveduty], 77);
    EXPECT_EQ(livevals[livepulse], 8129); // (127 * 256 + 3) / 4 = 8128.75
    EXPECT_EQ(livevals[livetrimleft], 152);
    poll(1);
    EXPECT_EQ(livevals[livetrimright], 104);
    EXPECT_EQ(livevals[liveboost], 29); // 29.48
    ecu.setquery('Q', {0, 0, 160, 0});
    poll(1);
    EXPECT_EQ(livevals[livetrimright], 152);
    EXPECT_EQ(livevals[liveadvance], 12);

    ecu.setquery('T', {0, 0, 40, 0});
    ecu.setquery('P', {77, 1, 3, 60});
    poll(0);
    EXPECT_EQ(livevals[livetrimleft], 104);
    EXPECT_EQ(enginerpm, 10240);
    EXPECT_EQ(livevals[liverpm50], 204);
    EXPECT_EQ(knockdotx[0], 255); // the speed of the poll before: 32522 rpm
    poll(0);
    EXPECT_EQ(knockdotx[0], 217);
    EXPECT_EQ(knockdotx[1], 255);
    EXPECT_EQ(knockdoty[0], 66);
}

TEST_F(LivePollTest, LiveCellsAreClampedToTheirTables) {
    const uint32_t background = std::exchange(colours[0], 0x123456u); // the traces ignore it
    curmap = 3;
    ecu.setbyte(0x60, 200);
    ecu.setbyte('k', 255);
    poll(2);
    EXPECT_EQ(liveload, 31);
    EXPECT_EQ(curload, 31);
    EXPECT_EQ(liverpm, 31);
    EXPECT_EQ(currpm, 31);
    EXPECT_EQ(fueltrace[31][31], 0xF2F2F2u); // the visit colour of a black wire graph

    rpmhold = prefon;
    loadhold = prefon;
    currpm = curload = 4;
    ecu.setbyte(0x60, 7);
    ecu.setbyte('a', 9);
    poll(2);
    EXPECT_EQ(liverpm, 9);
    EXPECT_EQ(liveload, 7);
    EXPECT_EQ(currpm, 4);
    EXPECT_EQ(curload, 4);
    curmap = 43; // the AFR target asks 'a' in both modes, yet a held axis still holds
    poll(2);
    EXPECT_EQ(liverpm, 9);
    EXPECT_EQ(currpm, 4);
    EXPECT_EQ(curload, 4);

    curmap = 12;
    ecu.setquery('q', {20, 1, 2, 3});
    poll(2);
    EXPECT_EQ(liveload, 15);

    curmap = 41;
    rpmhold = loadhold = 0;
    ecu.setquery('V', {1, 2, 30, 200});
    poll(2);
    EXPECT_EQ(liverpm, 23);
    EXPECT_EQ(liveload, 23);
    EXPECT_EQ(currpm, 23);
    EXPECT_EQ(visittrace[1][23][23], 0xFFFFFFu);

    ecu.setbyte('e', 10);
    poll(1);
    EXPECT_EQ(sparktrace[23][23], 0u);
    ecu.setbyte('e', 255);
    poll(1);
    EXPECT_EQ(sparktrace[23][23], 0xFEFEFEu);
    curmap = 40;
    ecu.setquery('V', {24, 5, 0, 0});
    ecu.setquery('Z', {1, 2, 3, 44});
    poll(2);
    EXPECT_EQ(vctresearch, 44);
    EXPECT_EQ(liverpm, 23);
    EXPECT_EQ(liveload, 5);
    curmap = 42;
    ecu.setquery('W', {6, 200, 0, 0});
    poll(2);
    EXPECT_EQ(liverpm, 6);
    EXPECT_EQ(liveload, 23);
    EXPECT_EQ(visittrace[2][6][23], 0xFFFFFFu);
    colours[0] = background;
}

TEST_F(LivePollTest, TimeoutMidQueryKeepsEarlierValues) {
    livevals[liveairtemp] = 5;
    ecu.setquery('R', {99, 98, 97, 96});
    ecu.stallafter(1 + 4 + 1); // 'd', all of 'P', then the first byte of 'R'
    LivePoll result;
    poll(0, &result);
    EXPECT_EQ(result.outcome, LivePoll::failed);
    EXPECT_EQ(result.label, "error: 0, 6 failcount = 30001 ");
    EXPECT_EQ(livevals[livecoolant], 99);
    EXPECT_EQ(livevals[liveairtemp], 5);

    // Engine speed is never built from its high byte alone.
    enginerpm = 3000;
    ecu.setquery('T', {1, 2, 40, 0});
    ecu.stallafter(1 + 4 + 4 + 3);
    poll(0, &result);
    EXPECT_EQ(result.label, "error: 0, 12 failcount = 30001 ");
    EXPECT_EQ(livevals[liveloadvalue], 1);
    EXPECT_EQ(enginerpm, 3000);

    // A live cell half received moves nothing.
    ecu.stallafter(1);
    curmap = 42;
    currpm = 3;
    ecu.setquery('W', {9, 9, 0, 0});
    poll(2, &result);
    EXPECT_EQ(result.outcome, LivePoll::failed);
    EXPECT_EQ(currpm, 3);
    EXPECT_EQ(visittrace[2][9][9], 0u);

    // The cam-timing values are bytes of their own: those that came are kept.
    curmap = 40;
    vct2target = 77;
    ecu.setquery('[', {11, 12, 13, 14});
    ecu.stallafter(4 + 2); // all of 'V', two bytes of '['
    poll(2, &result);
    EXPECT_EQ(result.outcome, LivePoll::failed);
    EXPECT_EQ(vct1target, 11);
    EXPECT_EQ(vct1feedback, 12);
    EXPECT_EQ(vct2target, 77);

    // The label names the live-cell step of a main map that went unanswered.
    curmap = 3;
    ecu.stallafter(1);
    poll(2, &result);
    EXPECT_EQ(result.label, "error: 2, 2 failcount = 30001 ");
    rpmhold = prefon;
    ecu.stallafter(1);
    poll(2, &result);
    EXPECT_EQ(result.label, "error: 2,3 failcount = 30001 ");
    curmap = 43;
    ecu.stallafter(1);
    poll(2, &result);
    EXPECT_EQ(result.label, "error: 2, 2 failcount = 30001 ");
    ecu.stallafter(0);
    poll(2, &result);
    EXPECT_EQ(result.label, "error: 2, 1 failcount = 30001 ");
    // And the byte of phase 1 that went unanswered: 'e', then part of 'Q', 'S' or 'U'.
    const std::pair<int, QString> stalls[] = {{3, "1, 3"}, {6, "1, 6"}, {11, "1, 11"}};
    for (const auto &[answered, step] : stalls) {
        ecu.stallafter(answered);
        poll(1, &result);
        EXPECT_EQ(result.label, "error: " + step + " failcount = 30001 ");
    }
    ecu.stallafter(-1);
}

TEST_F(LivePollTest, RepliesHeldByAStalledEcuAreNeverTakenAsAnswers) {
    std::memset(knockdoty, 0, sizeof knockdoty);
    ecu.setbyte('d', 7);
    ecu.setquery('P', {200, 1, 3, 120});
    ecu.setquery('R', {99, 98, 97, 96});
    ecu.setquery('T', {1, 2, 40, 0});
    ecu.holdreplies(1); // 'd' answers, then the ECU stalls
    LivePoll result;
    poll(0, &result);
    ecu.releasereplies(true); // P's held reply comes ahead of the answer to 'd'
    poll(0, &result);
    EXPECT_EQ(result.label, "error: 0, 1 late reply ");
    poll(0, &result);
    EXPECT_EQ(result.outcome, LivePoll::completed);
    EXPECT_EQ(knockdoty[0], 7);
    EXPECT_EQ(knockdoty[1], 7);
    const std::pair<LiveSlot, int> own[] = {
        {liveduty, 200},    {livepulse, 65},    {livetrimleft, 120}, {livecoolant, 99},
        {livethrottle, 96}, {liveloadvalue, 1}, {liverpm50, 204}};
    for (const auto &[slot, value] : own)
        EXPECT_EQ(livevals[slot], value) << slot;
}

TEST(TraceColours, FollowTheWireGraphColour) {
    EXPECT_EQ(visitcolour(0), 0xF2F2F2u);
    EXPECT_EQ(visitcolour(0x00FF8000), 0x000B7EF2u);
    EXPECT_EQ(inversecolour(0x00102030), 0x00EFDFCFu);
    EXPECT_EQ(knockcolour(0, 255), 0xFEFEFEu);
    EXPECT_EQ(knockcolour(0x00FF0000, 128), 0x007E7F7Fu);
}
