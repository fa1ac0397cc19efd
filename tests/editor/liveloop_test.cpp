#include "core/linestate.h"
#include "core/livedata.h"
#include "core/mainport.h"
#include "core/pauseonline.h"
#include "editor/axislabels.h"
#include "editor/frmwarn6.h"
#include "editor/panellayout.h"
#include "editfixture.h"
#include "platform/mapgrid.h"
#include "platform/serialport.h"
#include "pollprobe.h"
#include "simecu.h"

#include "platform/twips.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

using namespace korvane;
using namespace korvane::test;

namespace {
// The main window with a simulated ECU linked as COM1, counting the redraws. Timer1 is
// stopped so that only the ticks a test calls run.
class LiveLoop : public Editing {
  protected:
    int panels = 0, drawings = 0, copies = 0;

    void SetUp() override
    {
        frmfuel1links &links = fuel1links();
        links.paneldraw = [this] { ++panels; };
        links.threedraw32 = [this] { ++drawings; };
        links.copyrows = [this] { ++copies; };
        Editing::SetUp();
        panels = drawings = copies = 0;
        // Some engine: 3200 rpm on load cell 12, rpm cell 8.
        ecu.setquery('T', {120, 0, 12, 128});
        ecu.setbyte(0x60, 12);
        ecu.setbyte(104 + 1, 8);
        ecu.setbyte('a', 20);
    }
    QByteArray tick()
    {
        ecu.clearreceived();
        window->Timer1_Timer();
        return ecu.received();
    }
};
} // namespace

TEST_F(LiveLoop, ComOnChecksTheFirmwareAndComOffClosesThePort)
{
    ecu.setfirmware(27);
    editready = 0;
    window->mnucom1_Click();
    EXPECT_EQ(ecu.received(), QByteArray("c"));
    EXPECT_EQ(online, flagset);
    EXPECT_EQ(editready, flagset);
    EXPECT_EQ(window->Label42->text(), "online");
    // A wrong firmware byte warns but does not refuse.
    EXPECT_EQ(notices("This is not the correct PC software for the ECU"), 1);

    window->mnuAFR_Click();
    window->mnucom1_Click();
    EXPECT_EQ(online, 0);
    EXPECT_FALSE(mainport().PortOpen());
    EXPECT_EQ(window->Label42->text(), "offline");
    EXPECT_EQ(window->Text1->text(), " Offline editing AFR target map");

    ecu.setfirmware(28);
    window->mnucom1_Click();
    EXPECT_EQ(online, flagset);
    EXPECT_EQ(window->Text1->text(), " Press enter after editing to make permanent changes");
    EXPECT_EQ(notices("This is not the correct PC software for the ECU"), 1);

    // An rpm axis held while offline is told to the ECU on the way online, so the first trim
    // lands on the held column of the right map.
    window->mnucom1_Click();
    window->mnuRamMapGroup_Click(0);
    rpmhold = prefon;
    currpm = 5;
    ecu.clearreceived();
    window->mnucom1_Click();
    EXPECT_EQ(online, flagset);
    EXPECT_EQ(takereceived(4), QByteArray("c") + char(104 + 1) + char(5) + char(47 + 1));

    // A port opened afresh knows no column: tracking, before any poll, the first trim selects
    // it (105, 5, 48), then 128 + fine up + load 3.
    window->mnucom1_Click();
    rpmhold = 0;
    window->mnucom1_Click();
    window->Timer1->stop();
    window->cmdSlow_MouseDown();
    curload = 3;
    ecu.clearreceived();
    key(Qt::Key_PageUp);
    EXPECT_EQ(takereceived(4), QByteArray("i\x05"
                                          "0\x83"));
}

TEST_F(LiveLoop, ASilentEcuOrAMissingPortLeavesTheWindowOffline)
{
    markedited();
    ecu.setsilent(true);
    // The synchronisation warning comes first; Ok closes it.
    QTimer okwarning;
    int warnings = 0;
    QObject::connect(&okwarning, &QTimer::timeout, [&warnings] {
        if (auto *warning = qobject_cast<frmWarn6 *>(QApplication::activeModalWidget())) {
            ++warnings;
            QTest::keyClick(warning->Command1, Qt::Key_Space);
        }
    });
    okwarning.start(10);
    window->mnucom1_Click();
    EXPECT_EQ(warnings, 1);
    EXPECT_EQ(online, 0);
    EXPECT_FALSE(mainport().PortOpen());
    EXPECT_EQ(window->Label42->text(), "error");
    EXPECT_EQ(notices("Version information check failed"), 1);
    // The ECU still differs from the image: the next attempt warns again.
    EXPECT_EQ(ecudirty, flagset);

    comport = 9; // nothing linked and no such device
    window->mnucom1_Click();
    EXPECT_EQ(warnings, 2);
    EXPECT_EQ(online, 0);
    EXPECT_EQ(window->Label42->text(), "error");
}

TEST_F(LiveLoop, ThreeTicksPollEachPhaseAndRefreshOneDisplayEach)
{
    goonline();
    ASSERT_EQ(pollphase, 0);
    EXPECT_EQ(tick(), QByteArray("dPRT"));
    EXPECT_EQ(panels, 1); // the panel and the grid colours
    EXPECT_EQ(drawings, 0);
    EXPECT_EQ(window->Label2->text(), "");
    EXPECT_EQ(tick(), QByteArray("eQSU"));
    EXPECT_EQ(drawings, 1);
    EXPECT_EQ(tick(), QByteArray("\x60i"));
    EXPECT_EQ(window->Label2->text(), "3200 rpm ");
    EXPECT_EQ(panels, 1);
    EXPECT_EQ(drawings, 1);
    EXPECT_EQ(window->Label42->text(), "online");

    // A tick right after a write skips its poll but not its display job.
    pollready = 0;
    EXPECT_EQ(tick(), QByteArray());
    EXPECT_EQ(panels, 2);
    EXPECT_EQ(pollready, flagset);
    EXPECT_EQ(tick(), QByteArray("eQSU"));

    // A silent ECU shows the error and the loop goes on with the next phase.
    ecu.setsilent(true);
    tick();
    EXPECT_TRUE(window->Label42->text().startsWith("error: 2, 1")) << window->Label42->text().toStdString();
    EXPECT_EQ(pollphase, 0);
    EXPECT_EQ(online, flagset);
}

// A pulled cable online: every poll waits out its reply time, so the loop backs off and a
// 10 ms timer still fires at least half as often as with a live ECU; one good reply restores it.
TEST_F(LiveLoop, ASilentEcuOnlineLeavesTheWindowResponsive)
{
    goonline();
    const int live = probeticks(*window->Timer1);
    ecu.setsilent(true);
    const int silent = probeticks(*window->Timer1);
    EXPECT_GE(silent, live / 2) << "live " << live;
    EXPECT_TRUE(window->Label42->text().startsWith("error: "));
    EXPECT_EQ(online, flagset);
    ecu.setsilent(false);
    window->Timer1_Timer();
    EXPECT_EQ(window->Label42->text(), "online");
    EXPECT_EQ(window->Timer1->interval(), 100);
}

// The ECU's end of the line goes away online (the simulator killed, the adapter pulled): the
// first poll takes the window offline with the port's reason, instead of polling a dead port,
// and an entry still waiting for Enter is kept for the next download.
TEST_F(LiveLoop, ALineThatWentAwayTakesTheWindowOffline)
{
    goonline();
    entrypending = true;
    ecu.hangup();
    QElapsedTimer clock;
    clock.start();
    window->Timer1_Timer();
    EXPECT_LT(clock.elapsed(), 250); // no reply time waited out on a dead line
    EXPECT_EQ(online, 0);
    EXPECT_FALSE(mainport().PortOpen());
    EXPECT_EQ(window->Label42->text(), "offline");
    EXPECT_TRUE(responder.wasasked("The serial port stopped working (the line was hung up or the "
                                   "device removed): the program is now offline"));
    EXPECT_TRUE(responder.wasasked("The cell entries waiting for Enter were not sent"));
    EXPECT_TRUE(syncwarningdue());
    EXPECT_FALSE(entrypending);

    // COM On again: the link leads nowhere now, and the message says why.
    responder.asked.clear();
    markuploaded(); // no synchronisation warning in the way
    window->mnucom1_Click();
    EXPECT_EQ(online, 0);
    EXPECT_EQ(window->Label42->text(), "error");
    EXPECT_TRUE(responder.wasasked("an error occurred opening the com port: " + ecu.linkpath()));
}

TEST_F(LiveLoop, TheCursorFollowsTheLiveCellOnlyOnAxesNotHeld)
{
    goonline();
    pollphase = 2;
    tick();
    EXPECT_EQ(currpm, 8);
    EXPECT_EQ(curload, 12);
    EXPECT_EQ(window->mapgrid->currentrow(), 8);
    EXPECT_EQ(window->mapgrid->currentcolumn(), 12);

    // "Rpm hold" tells the ECU the held column; the rpm side then stays put.
    ecu.clearreceived();
    window->Command8_MouseDown();
    EXPECT_EQ(ecu.received(), QByteArray("i\x08\x30"));
    EXPECT_NE(rpmhold, 0);
    EXPECT_TRUE(window->Command8->font().bold());
    ecu.setbyte(0x60, 5);
    pollphase = 2;
    EXPECT_EQ(tick(), QByteArray("\x60"
                                 "a"));
    EXPECT_EQ(liverpm, 20);
    EXPECT_EQ(currpm, 8);
    EXPECT_EQ(curload, 5);
    EXPECT_EQ(window->mapgrid->currentrow(), 8);
    EXPECT_EQ(window->mapgrid->currentcolumn(), 5);

    // "+" moves the held column, tells the ECU and skips the next poll.
    window->Command9_MouseDown();
    EXPECT_EQ(currpm, 9);
    EXPECT_EQ(pollready, 0);
    EXPECT_EQ(window->Label1->text(), rpmlabels[9]);
    // F8 brings the held column to the engine's.
    window->Command13_MouseDown(7);
    EXPECT_EQ(currpm, 20);
    EXPECT_TRUE(window->mapgrid->hasFocus());

    // Back to tracking: "-" and "+" do nothing.
    window->Command7_MouseDown();
    EXPECT_EQ(rpmhold, 0);
    window->Command9_MouseDown();
    EXPECT_EQ(currpm, 20);

    // Tracking, a trim lands on the live row the ECU answered, which the grid shows, until the
    // next poll moves both: the engine moving on in between changes neither.
    pollready = flagset;
    pollphase = 2;
    EXPECT_EQ(tick(), QByteArray("\x60i"));
    EXPECT_EQ(currpm, 8);
    window->cmdSlow_MouseDown();
    ecu.clearreceived();
    key(Qt::Key_PageUp);
    ecu.setbyte(104 + 1, 10);
    key(Qt::Key_PageUp);
    EXPECT_EQ(takereceived(2), QByteArray("\x85\x85")); // 128 + fine up + load 5
    pollready = flagset;
    pollphase = 2;
    EXPECT_EQ(tick(), QByteArray("\x60i"));
    ecu.clearreceived();
    EXPECT_EQ(window->mapgrid->currentrow(), 10);
    key(Qt::Key_PageDown);
    EXPECT_EQ(takereceived(1), QByteArray("\xC5"));
    // An answer out of the map (40, garbled: the ECU runs in row 10) confirms no column: the
    // cursor goes to the last row, and the trim selects it first (105, 31, 48).
    ecu.setwrongreply(104 + 1, 40);
    pollready = flagset;
    pollphase = 2;
    EXPECT_EQ(tick(), QByteArray("\x60i"));
    ecu.setwrongreply(-1, 0);
    ecu.clearreceived();
    EXPECT_EQ(currpm, 31);
    key(Qt::Key_PageUp);
    EXPECT_EQ(takereceived(4), QByteArray("i\x1f"
                                          "0\x85"));
    for (int r : {8, 10, 31})
        for (int l = 0; l < 32; ++l) EXPECT_EQ(fuelcellatecu(r, l), curimage.fuelmap[r][l]) << r << "," << l;
}

TEST_F(LiveLoop, OfflineATickOnlyLetsEditsThrough)
{
    editready = 0;
    pollphase = 1;
    EXPECT_EQ(tick(), QByteArray());
    EXPECT_EQ(editready, flagset);
    EXPECT_EQ(pollphase, 1);
    EXPECT_EQ(panels + drawings, 0);
    EXPECT_EQ(window->Label42->text(), "offline");

    // Offline the hold buttons leave the axes as they are.
    window->Command8_MouseDown();
    window->Command1_MouseDown();
    EXPECT_EQ(rpmhold, 0);
    EXPECT_EQ(loadhold, 0);
}

TEST_F(LiveLoop, ResizingStopsTheLoopWhenTinyAndNeverRestartsItWhilePaused)
{
    window->showNormal();
    // Widths are the window's outer width, frame included.
    auto resizeouter = [this](int twips, int height) {
        const int frame = window->frameGeometry().width() - window->width();
        window->resize(twips / 15 - frame, height);
        QCoreApplication::processEvents();
        ASSERT_EQ(totwips(window->frameGeometry().width()), twips);
    };
    window->showMinimized();
    QCoreApplication::processEvents();
    EXPECT_FALSE(window->Timer1->isActive());
    window->showNormal();
    // As narrow as the window goes, the longest map title still reads, if shortened.
    window->mnuRamMapGroup_Click(5);
    window->resize(150, 700);
    QCoreApplication::processEvents();
    EXPECT_TRUE(window->lblMap->QLabel::text().startsWith("Spark aux"))
        << window->lblMap->QLabel::text().toStdString();
    EXPECT_GE(window->lblMap->font().pointSizeF(), 6);
    resizeouter(15000, 700);
    EXPECT_TRUE(window->Timer1->isActive());
    EXPECT_EQ(widegauges, 0);
    resizeouter(15015, 700); // the next width a pixel allows
    EXPECT_EQ(widegauges, 255);
    // The grid under the column of buttons runs to the right edge; the column keeps to it.
    EXPECT_EQ(window->mapgrid->width(), (15015 - 9385) / 15);
    const std::pair<QWidget *, int> anchored[] = {
        {window->Command2, 1480}, {window->Command12, 1480}, {window->Command14, 1480},
        {window->Command7, 1480}, {window->Command1, 2680},  {window->Command11, 2680},
        {window->Command8, 2680}, {window->Command10, 2680}, {window->Command15, 2680},
        {window->Command3, 1140}, {window->Command9, 640},   {window->cmdSlow, 2940},
        {window->cmdFast, 1620},  {window->Label1, 2320},    {window->lblTrim, 2580}};
    for (const auto &[control, offset] : anchored)
        EXPECT_EQ(control->x(), (15015 - offset) / 15) << offset;
    EXPECT_GT(window->Text1->x(), window->Command6->geometry().right()); // the hint shows whole

    pauseonline();
    EXPECT_FALSE(window->Timer1->isActive());
    window->resize(900, 650);
    QCoreApplication::processEvents();
    EXPECT_FALSE(window->Timer1->isActive());
    resumeonline();
    EXPECT_TRUE(window->Timer1->isActive());

    // Nor under the crank test, which polls on its own.
    bool randuringtest = true;
    fuel1links().cranktest = [&] {
        window->resize(950, 650);
        QCoreApplication::processEvents();
        randuringtest = window->Timer1->isActive();
    };
    window->mnuTimertest_Click();
    EXPECT_FALSE(randuringtest);
    window->Timer1->stop();
}

TEST_F(LiveLoop, StepAndCopyButtons)
{
    window->cmdFast_MouseDown();
    EXPECT_EQ(trimstep, 10);
    window->cmdSlow_MouseDown();
    EXPECT_EQ(trimstep, 1);
    window->mnuRamMapGroup_Click(3);
    window->cmdFast_MouseDown();
    EXPECT_EQ(trimstep, 2);
    EXPECT_TRUE(window->mapgrid->hasFocus());

    window->Command3_MouseDown();
    EXPECT_EQ(copies, 1);
    window->mnuCont1_Click(7); // map 15
    EXPECT_FALSE(window->Command8->isEnabled());
    window->Command3_MouseDown();
    EXPECT_EQ(notices("Copy function not available for 2D maps"), 1);
    EXPECT_EQ(copies, 1);
}

TEST_F(LiveLoop, HoldTrackToggleSeekAndColumnBounds)
{
    // F1 with neither toggle allowed says so, load side first, and changes nothing.
    window->Command13_MouseDown(0);
    ASSERT_GE(responder.asked.size(), 2u);
    EXPECT_EQ(responder.asked[responder.asked.size() - 2].text,
              "Y-axis/load track<->hold toggle not allowed by current user preferences");
    EXPECT_EQ(responder.asked.back().text,
              "X-axis/rpm track<->hold toggle not allowed by current user preferences");
    EXPECT_EQ(rpmhold, 0);
    EXPECT_EQ(loadhold, 0);

    // Offline F8 with the rpm side held leaves the column; a table takes the live entry.
    rpmhold = prefon;
    liverpm = 9;
    liveload = 14;
    currpm = 2;
    window->Command13_MouseDown(7);
    EXPECT_EQ(currpm, 2);
    window->mnuCont1_Click(0); // map 8
    window->Command13_MouseDown(7);
    EXPECT_EQ(curload, 14);
    window->mnuPwm3D_Click(0); // map 40
    currpm = 3;
    showxlabel(*window);
    EXPECT_EQ(window->Label1->text(), "13% X");
    currpm = 15; // 64.5: the label must round like the row header it names
    showxlabel(*window);
    EXPECT_EQ(window->Label1->text(), window->mapgrid->text(15, -1));
    EXPECT_EQ(window->Command8->text(), "X hold");
    currpm = 23;
    window->Command9_MouseDown();
    EXPECT_EQ(currpm, 23);

    // Online on map 2 F1 holds both sides and tells the ECU the held column.
    rpmhold = prefoff;
    prefs[8] = prefs[9] = prefon;
    goonline();
    window->mnuRamMapGroup_Click(1);
    currpm = 6;
    window->Command13_MouseDown(0);
    EXPECT_NE(rpmhold, 0);
    EXPECT_NE(loadhold, 0);
    EXPECT_EQ(takereceived(3), QByteArray("j\x06\x31"));
    EXPECT_TRUE(window->Command1->font().bold());
    // At the last column "+" stays and still sends the map select.
    window->mnuRamMapGroup_Click(2); // the ECU follows the new map on the held column
    EXPECT_EQ(takereceived(3), QByteArray("k\x06\x32"));
    currpm = 31;
    window->Command9_MouseDown();
    EXPECT_EQ(currpm, 31);
    EXPECT_EQ(takereceived(3), QByteArray("k\x1f\x32"));
}
