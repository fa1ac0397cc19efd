#include "core/commio.h"
#include "core/linestate.h"
#include "core/editorstate.h"
#include "core/flags.h"
#include "core/linecheck.h"
#include "core/livedata.h"
#include "core/mainwindowhooks.h"
#include "core/onlineops.h"
#include "core/pauseonline.h"
#include "platform/beep.h"
#include "responder.h"
#include "simlink.h"

using namespace korvane;
using namespace korvane::test;

namespace {
class OnlineOps : public SimLinkTest {
  protected:
    void SetUp() override {
        SimLinkTest::SetUp();
        livewrite = flagset;
        goonline();
        pollready = flagset;
        multierror = false;
        groupactive = false;
        entrypending = true;
    }
    void TearDown() override {
        resetlinestate();
        SimLinkTest::TearDown();
    }
    Responder responder;
};

QByteArray writebytes(int address, int value) {
    QByteArray bytes("ccH");
    bytes += char(address / 256 + 128);
    bytes += char(address & 255);
    bytes += char(value);
    bytes += QByteArray(reinterpret_cast<const char *>(writeseqvalues + 128), 64);
    return bytes;
}
} // namespace

TEST_F(OnlineOps, SettingWriteSendsTheExactBytesAndChecksTheReply) {
    const int beeps = beepcount();
    EXPECT_EQ(sendsetting(0x1088, 40), WriteResult::written);
    EXPECT_EQ(takereceived(70), writebytes(0x1088, 40));
    EXPECT_EQ(commerror, 0);
    EXPECT_EQ(commrx, 0xB0);
    EXPECT_EQ(ecu.memory(0x1088), 40);
    EXPECT_FALSE(multierror);
    EXPECT_FALSE(entrypending);
    EXPECT_EQ(pollready, 0);
    EXPECT_TRUE(responder.asked.empty());
    EXPECT_EQ(beepcount(), beeps);

    // (0x1000 + 0) & 255 is 0, which the ECU sends as 1; 0 itself is its refusal.
    sendsetting(0x1000, 0);
    EXPECT_EQ(commrx, 1);
    EXPECT_FALSE(multierror);
    sendsetting(0x40FF, 0xFF);
    EXPECT_EQ(commrx, 0xFE);
    EXPECT_EQ(ecu.memory(0x40FF), 0xFF);
}

TEST_F(OnlineOps, RefusedWrongAndHeldBackWrites) {
    const int beeps = beepcount();
    ecu.setrefusewrites(true);
    markdownloaded();
    EXPECT_EQ(sendsetting(0x1088, 40), WriteResult::refused);
    EXPECT_TRUE(ecumaydiffer());
    EXPECT_EQ(commrx, 0);
    EXPECT_TRUE(multierror);
    ASSERT_EQ(responder.asked.size(), 1u);
    EXPECT_EQ(responder.asked[0].title, "Information");
    EXPECT_EQ(responder.asked[0].text,
              "An protection violation occured, the setting is password protected");
    // A refusal is news, not an alarm: no beep beyond the message window's own.
    EXPECT_EQ(beepcount() - beeps, responder.count(PromptRequest::Notice));
    ecu.setrefusewrites(false);
    takereceived(70);

    multierror = false;
    entrypending = true;
    ecu.setwrongreply('H', 'y');
    EXPECT_EQ(sendsetting(0x1088, 40), WriteResult::failed);
    EXPECT_EQ(takereceived(3), QByteArray("ccH")); // nothing after the wrong 'x'
    EXPECT_TRUE(multierror);
    EXPECT_EQ(beepcount() - beeps, responder.count(PromptRequest::Notice) + 1);
    EXPECT_EQ(responder.asked.back().text, "An programming error occurred, try again");
    EXPECT_EQ(ecu.memory(0x1088), 0);
    EXPECT_TRUE(entrypending); // a write cut short leaves the edit for Enter to retry

    // The last reply never comes: the ECU may not have the value, so the edit stays pending.
    ecu.setwrongreply(-1, 0);
    takereceived(3);
    ecu.stallafter(3);
    entrypending = true;
    markdownloaded();
    EXPECT_EQ(sendsetting(0x1088, 40), WriteResult::failed);
    EXPECT_TRUE(entrypending);
    EXPECT_TRUE(ecumaydiffer()); // the next COM Off keeps ecudirty
    EXPECT_EQ(responder.asked.back().text, "An programming error occurred, try again");
    ecu.stallafter(-1);
    takereceived(70);
    ecu.setwrongreply('H', 'y');

    // Within a group the failure is only flagged; the group write reports it.
    groupactive = true;
    const size_t asked = responder.asked.size();
    sendsetting(0x1088, 40);
    EXPECT_EQ(responder.asked.size(), asked);
    ecu.setwrongreply(-1, 0);
    takereceived(3);

    livewrite = 0;
    pollready = flagset;
    sendsetting(0x1088, 40);
    EXPECT_FALSE(ecu.waitreceived(1, 30));
    EXPECT_EQ(pollready, flagset);
}

TEST_F(OnlineOps, WritesOutsideTheEcuAreRefusedBeforeSending) {
    groupactive = true;
    for (auto [address, value] : {std::pair{0x0FFF, 1},
                                  {0x2000, 1},
                                  {0x3FFF, 1},
                                  {0x6000, 1},
                                  {0x1088, 256},
                                  {0x1088, -1}}) {
        multierror = false;
        sendsetting(address, value);
        EXPECT_TRUE(multierror) << address << " " << value;
    }
    EXPECT_FALSE(ecu.waitreceived(1, 30));
}

TEST_F(OnlineOps, MapSelectSendsMapRowAndConfirmation) {
    currpm = 13;
    curmap = 1;
    sendmapselect();
    EXPECT_EQ(takereceived(3), QByteArray("i\x0d"
                                          "0"));
    EXPECT_EQ(commrx, 0x48);
    curmap = 3;
    sendmapselect();
    EXPECT_EQ(takereceived(3), QByteArray("k\x0d"
                                          "2"));
    EXPECT_EQ(commrx, 82);
    EXPECT_EQ(ecu.selectedmap(), 3);
    EXPECT_EQ(ecu.selectedrow(), 13);
    EXPECT_TRUE(responder.asked.empty());

    ecu.setwrongreply('2', 81);
    sendmapselect();
    EXPECT_EQ(responder.asked.back().text, "An error occured, try again");
    takereceived(3);
    curmap = 7; // the last main map is selected too: 72 + 4 x 5 + 13 / 8 + 5
    sendmapselect();
    EXPECT_EQ(takereceived(3), QByteArray("o\x0d"
                                          "6"));
    EXPECT_EQ(commrx, 98);
    currpm = 14; // a trim on another column of map 7 selects it first
    EXPECT_TRUE(trimcolumnready());
    EXPECT_EQ(takereceived(3), QByteArray("o\x0e"
                                          "6"));

    for (int map : {8, 39, 43}) {
        curmap = uint8_t(map);
        sendmapselect();
    }
    curmap = 1;
    gooffline(Offline::windowclosing);
    sendmapselect();
    EXPECT_FALSE(ecu.waitreceived(1, 30));
}

TEST_F(OnlineOps, AfrStepAsksSendsAndReportsSilence) {
    bool timer = true;
    mainwindowhooks().timerenabled = [&] { return timer; };
    mainwindowhooks().settimerenabled = [&](bool on) { timer = on; };

    responder.answercancel();
    stepafr();
    EXPECT_EQ(responder.asked.back().text,
              "This will reduce AFR by 15% (14.7 to 12.5) for calibration, OK?");
    EXPECT_FALSE(ecu.waitreceived(1, 30));
    EXPECT_TRUE(timer);

    stepafr();
    EXPECT_EQ(takereceived(2), QByteArray("hh"));
    EXPECT_EQ(responder.count(PromptRequest::Notice), 0);

    ecu.stallafter(1); // '3' comes, 'D' does not
    stepafr();
    EXPECT_EQ(responder.count(PromptRequest::Notice), 1);
    EXPECT_TRUE(responder.asked.back().text.contains("did not answer"));
    EXPECT_TRUE(timer);
    mainwindowhooks() = {};
}

TEST(PauseOnline, ResumePutsBackLivewriteAndTheTimer) {
    Responder responder;
    bool timer = true;
    mainwindowhooks().timerenabled = [&] { return timer; };
    mainwindowhooks().settimerenabled = [&](bool on) { timer = on; };

    livewrite = 0;
    pauseonline();
    EXPECT_FALSE(timer);
    EXPECT_EQ(livewrite, flagset);
    EXPECT_TRUE(livepaused());
    pauseonline(); // a window opened from the first one
    EXPECT_EQ(timerwasrunning, 0);
    EXPECT_EQ(livewrite, 0);
    resumeonline();
    EXPECT_FALSE(timer);
    EXPECT_TRUE(responder.wasasked("must be downloaded"));
    EXPECT_EQ(livewrite, flagset);
    resumeonline();
    EXPECT_TRUE(timer);
    EXPECT_EQ(livewrite, 0); // as the first pause found it
    EXPECT_FALSE(livepaused());

    mainwindowhooks() = {};
    pauseonline();
    EXPECT_TRUE(responder.wasasked("A main window timer error occured"));
    EXPECT_FALSE(livepaused());
}
