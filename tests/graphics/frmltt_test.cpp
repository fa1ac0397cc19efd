#include "graphics/frmltt.h"
#include "graphics/frmatx.h"
#include "graphics/frmzero.h"

#include "../editor/mainwindowfixture.h"
#include "platform/mapgrid.h"
#include "pollprobe.h"
#include "toolwindowfixture.h"

#include <QApplication>
#include <QPushButton>
#include <QTimer>

using namespace korvane;
using namespace korvane::test;

namespace {
class Ltt : public ToolWindowTest {};
} // namespace

TEST_F(Ltt, TickReadsEveryColumnThenTheCurrentCell)
{
    ecu.setquery('A', {128, 0, 255, 129});
    ecu.setquery('O', {127, 128, 128, 128});
    ecu.setquery('Q', {0, 0x9F, 0, 0});
    frmLtt *window = form<frmLtt>();
    EXPECT_FALSE(maintimer);
    window->Timer1->stop(); // ticks are driven by hand
    ecu.clearreceived();
    window->Timer1_Timer();

    EXPECT_EQ(takereceived(9), QByteArray("\x41\x43\x45\x47\x49\x4B\x4D\x4F\x51"));
    const MapGrid &grid = *window->SCGrid1;
    EXPECT_EQ(grid.text(0, 0), "0");
    EXPECT_EQ(grid.text(1, 0), "-64");
    EXPECT_EQ(grid.text(2, 0), "63.5");
    EXPECT_EQ(grid.text(3, 0), "0.5");
    EXPECT_EQ(grid.text(0, 7), "-0.5");
    // 0x9F: load row 15 clamps to 3, rpm column 9 to 7.
    EXPECT_EQ(grid.backcolour(3, 7), 0xFFFFu);
    EXPECT_EQ(grid.backcolour(2, 7), 0xE0FFFFu);
    EXPECT_EQ(grid.backcolour(3, 6), 0xE0FFFFu);
    EXPECT_TRUE(grid.redraw());
    // 0x52: load row 2, rpm column 5; the nibbles read the other way round would mark (3, 2).
    ecu.setquery('Q', {0, 0x52, 0, 0});
    window->Timer1_Timer();
    EXPECT_EQ(grid.backcolour(2, 5), 0xFFFFu);
    EXPECT_EQ(grid.backcolour(3, 2), 0xE0FFFFu);
    close<frmLtt>();
}

TEST_F(Ltt, FailedExchangeStopsTheTickAndShowsNoHalfColumn)
{
    frmLtt *window = form<frmLtt>();
    window->Timer1->stop();
    ecu.setquery('C', {0, 0, 0, 0});
    ecu.stallafter(6); // column 'A' whole, 'C' cut after two bytes
    ecu.clearreceived();
    window->Timer1_Timer();

    EXPECT_EQ(takereceived(2), QByteArray("AC"));
    EXPECT_EQ(window->SCGrid1->text(0, 0), "0");
    EXPECT_EQ(window->SCGrid1->text(0, 1), "");
    EXPECT_TRUE(window->SCGrid1->redraw()); // never left frozen
    close<frmLtt>();
}

TEST_F(Ltt, ClearAsksFirstAndTheMainLoopRunsAfterClosing)
{
    maintimer = false; // the main loop runs after the window whatever it did before
    frmLtt *window = form<frmLtt>();
    window->Timer1->stop();
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    // The table only shows values: the window opens on "E&xit" and the keys go from button
    // to button.
    EXPECT_EQ(QApplication::focusWidget(), window->cmdCancel);
    QTest::keyClick(window->cmdCancel, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), window->Command2);
    ecu.clearreceived();
    responder.answercancel();
    QTest::keyClick(window->Command2, Qt::Key_Space);
    responder.answerok();
    QTest::keyClick(window->Command2, Qt::Key_Space);
    EXPECT_EQ(takereceived(1), QByteArray("D"));
    EXPECT_TRUE(responder.wasasked("This will clear the non-volatile LTT table"));

    QTest::keyClick(window, Qt::Key_X, Qt::AltModifier); // "E&xit"
    EXPECT_TRUE(QTest::qWaitFor([] { return !loaded<frmLtt>(); }));
    EXPECT_TRUE(maintimer);
}

namespace {
class LttFromMainWindow : public MainWindow {};
} // namespace

TEST_F(LttFromMainWindow, AResizeWhileOpenLeavesTheLiveLoopStopped)
{
    bool loopran = true;
    fuel1links().ltt = [&] {
        form<frmLtt>()->Timer1->stop();
        window->Form_Resize();
        loopran = window->Timer1->isActive();
        form<frmLtt>()->reject();
    };
    reopen();
    goonline();
    window->mnuLtt->trigger();
    EXPECT_FALSE(loopran);
    EXPECT_TRUE(window->Timer1->isActive()); // started again when the table closed
}

// A pulled cable: each tick waits out a reply, so the tool windows' polls back off until the
// first good reply.
TEST_F(Ltt, ASilentEcuLeavesTheToolWindowsResponsive)
{
    frmLtt *window = form<frmLtt>();
    const int live = probeticks(*window->Timer1);
    ecu.setsilent(true);
    EXPECT_GE(probeticks(*window->Timer1), live / 2) << "live " << live;
    frmZero *zero = form<frmZero>();
    frmAtx *atx = form<frmAtx>();
    for (QTimer *timer : {zero->Timer1, atx->Timer1}) timer->stop();
    zero->Timer1_Timer();
    atx->Timer1_Timer();
    EXPECT_EQ(zero->Timer1->interval(), 1000);
    EXPECT_EQ(atx->Timer1->interval(), 1000);
    ecu.setsilent(false);
    window->Timer1_Timer();
    EXPECT_EQ(window->Timer1->interval(), 200);
    close<frmZero>();
    close<frmAtx>();
    close<frmLtt>();
}
