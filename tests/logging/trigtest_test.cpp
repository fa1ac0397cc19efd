#include "core/linestate.h"
#include "core/flags.h"
#include "core/mainwindowhooks.h"
#include "logging/crankcapture.h"
#include "logging/crankplot.h"
#include "logging/frmtrigtest.h"
#include "platform/canvasrecorder.h"
#include "platform/forms.h"
#include "responder.h"
#include "simlink.h"

#include <QAction>
#include <QLabel>
#include <QTimer>

using namespace korvane;
using namespace korvane::test;

TEST(CrankCapture, WrapsAreCountedOncePerPollAgainstTheLevel) {
    CrankCapture c;
    c.start(240, 100); // level 240
    c.poll(250, 100);
    c.poll(10, 100); // below the level: a wrap
    EXPECT_EQ(trigedges[0], 250);
    EXPECT_EQ(trigedges[1], 266);
    EXPECT_EQ(syncedges[0], 0);
    c.poll(10, 10); // the sync at the trigger's count: the same moment, no wrap
    c.poll(10, 40);
    c.poll(40, 40); // and the trigger at the sync's
    EXPECT_EQ(syncedges[0], 266);
    EXPECT_EQ(trigedges[2], 296);

    c.start(10, 200); // the level starts at the larger byte
    EXPECT_EQ(trigedges[1], 0);
    c.poll(20, 200);
    EXPECT_EQ(trigedges[0], 276);

    c.start(100, 150);
    c.poll(120, 90); // both move, one below the level: one wrap, level the smaller 90
    c.poll(110, 90); // above 90: no wrap
    c.poll(130, 90);
    c.poll(130, 95); // below the trigger's level 130: a second wrap
    EXPECT_EQ(trigedges[0], 376);
    EXPECT_EQ(trigedges[1], 366);
    EXPECT_EQ(trigedges[2], 386);
    EXPECT_EQ(syncedges[0], 346);
    EXPECT_EQ(syncedges[1], 2 * 256 + 95);
    EXPECT_EQ(firsttrig, 100);
    EXPECT_EQ(firstsync, 150);
}

TEST(CrankPlot, DrawsMarkersGridAndOneStepPerInterval) {
    clearcrankedges();
    firsttrig = 3;
    firstsync = 4;
    trigedges[0] = 100;
    trigedges[1] = 150;
    syncedges[0] = 200;
    syncedges[1] = 300;
    RecordingCanvas canvas;
    drawdata(canvas, 1); // shifted left by 1000
    ASSERT_EQ(canvas.drawn.size(), 1u + 2 + 51 + 1 + 1 + 4 + 4);
    EXPECT_EQ(canvas.drawn[0].kind, Drawn::box);
    EXPECT_EQ(canvas.drawn[0].x1, 0); // the clear covers the visible plot
    auto line = [&](size_t i) {
        const Drawn &d = canvas.drawn[i];
        return std::tuple{d.x1, d.y1, d.x2, d.y2, d.colour};
    };
    EXPECT_EQ(line(1), std::tuple(-970.0, 1000.0, -970.0, 1500.0, 0x00FF00u));
    EXPECT_EQ(line(2), std::tuple(-960.0, 2000.0, -960.0, 2500.0, 0x00FFFFu));
    EXPECT_EQ(line(3 + 50), std::tuple(127000.0, 0.0, 127000.0, 5000.0, 0x808080u));
    EXPECT_EQ(line(54), std::tuple(1000.0, 500.0, 1000.0, 1000.0, 0x00FF00u));
    EXPECT_EQ(line(55), std::tuple(3000.0, 1500.0, 3000.0, 2000.0, 0x00FFFFu));
    EXPECT_EQ(line(56), std::tuple(2000.0, 500.0, 1500.0, 500.0, 0x00FF00u));
    EXPECT_EQ(line(57), std::tuple(1000.0, 1000.0, 1500.0, 1000.0, 0x00FF00u));
    EXPECT_EQ(line(58), std::tuple(1500.0, 500.0, 1500.0, 1000.0, 0x00FF00u));
    EXPECT_EQ(line(59), std::tuple(2000.0, 500.0, 2000.0, 1000.0, 0x00FF00u));
    // The sync step at 65 % of its interval: 7 x 200 + 13 x 300 = 5300.
    EXPECT_EQ(line(60), std::tuple(5000.0, 1500.0, 4300.0, 1500.0, 0x00FFFFu));
    EXPECT_EQ(line(61), std::tuple(3000.0, 2000.0, 4300.0, 2000.0, 0x00FFFFu));
    EXPECT_EQ(line(62), std::tuple(4300.0, 1500.0, 4300.0, 2000.0, 0x00FFFFu));
    EXPECT_EQ(line(63), std::tuple(5000.0, 1500.0, 5000.0, 2000.0, 0x00FFFFu));
}

namespace {
class CrankTest : public SimLinkTest {
  protected:
    void SetUp() override {
        SimLinkTest::SetUp();
        goonline();
        mainwindowhooks().timerenabled = [this] { return timer; };
        mainwindowhooks().settimerenabled = [this](bool on) { timer = on; };
        ecu.setquery('Y', {7, 8, 8, 9}); // trigger byte 0, sync byte 3: the middle two never count
    }
    void TearDown() override {
        if (loaded<frmTrigtest>()) form<frmTrigtest>()->done(0);
        mainwindowhooks() = {};
        resetlinestate();
        SimLinkTest::TearDown();
    }
    bool timer = true;
    Responder responder;
};
} // namespace

TEST_F(CrankTest, CountsDownThenCapturesAThousandPolls) {
    frmTrigtest *w = form<frmTrigtest>();
    w->Timer1->stop(); // the test calls the ticks
    EXPECT_FALSE(timer);
    EXPECT_EQ(w->Timer1->interval(), 1000); // the countdown is in seconds
    EXPECT_EQ(w->Label1->text(), "Start cranking for 10 seconds in 5 seconds");
    w->Timer1_Timer();
    EXPECT_EQ(w->Label1->text(), "Start cranking for 10 seconds in 4 seconds");
    for (int tick = 2; tick <= 8; ++tick) w->Timer1_Timer();
    EXPECT_EQ(w->Label1->text(), "Start cranking for 10 seconds in 0 seconds");
    EXPECT_FALSE(ecu.waitreceived(1, 20));
    w->Timer1_Timer();
    EXPECT_EQ(w->Label1->text(), "Test complete");
    EXPECT_EQ(takereceived(1001), QByteArray(1001, 'Y'));
    EXPECT_EQ(firsttrig, 7);
    EXPECT_EQ(firstsync, 9);
    EXPECT_EQ(trigedges[0] + syncedges[0], 0); // the two timers stood still: no edge
    EXPECT_EQ(crankcountdown, 9);
    w->Timer1_Timer(); // once only
    EXPECT_FALSE(ecu.waitreceived(1, 20));
    w->done(0);
    EXPECT_TRUE(timer);
}

TEST_F(CrankTest, AFailedExchangeEndsTheCaptureWithAMessage) {
    frmTrigtest *w = form<frmTrigtest>();
    ecu.stallafter(4 * 11 + 2); // the twelfth reply stops after two bytes
    w->timertest();
    EXPECT_EQ(w->Label1->text(), "Test failed");
    EXPECT_TRUE(responder.wasasked("The crank test stopped due to poor battery voltage"));
    EXPECT_EQ(takereceived(12), QByteArray(12, 'Y'));
}

TEST_F(CrankTest, OfflineOnlyShowsCaptures) {
    gooffline(Offline::windowclosing);
    frmTrigtest *w = form<frmTrigtest>();
    EXPECT_EQ(w->Label1->text(), "No test available offline");
    EXPECT_FALSE(w->mnuExport->isEnabled());
    EXPECT_FALSE(w->Timer1->isActive());
}
