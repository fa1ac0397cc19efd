#include "core/colours.h"
#include "editfixture.h"
#include "editor/frmfloat.h"
#include "editor/copyrange.h"
#include "editor/frminput.h"
#include "editor/frmwarn3.h"
#include "pollprobe.h"

#include <QMenu>
#include <QPushButton>

using namespace korvane;
using namespace korvane::test;

namespace {
// The floating grid over a running main window; its own loop stopped so that only the ticks
// a test calls run.
class FloatingGrid : public Editing {
  protected:
    frmFloat *openfloat()
    {
        window->Timer1->start();
        frmFloat *f = form<frmFloat>();
        EXPECT_FALSE(window->Timer1->isActive());
        EXPECT_TRUE(f->Timer1->isActive());
        EXPECT_EQ(floatopen, 255);
        f->Timer1->stop();
        f->show();
        f->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(f));
        return f;
    }
    void TearDown() override
    {
        if (loaded<frmFloat>()) form<frmFloat>()->reject();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        Editing::TearDown();
    }
};
} // namespace

TEST_F(FloatingGrid, OnePgUpSendsOneTrimByteAndOnlyOneWindowPolls)
{
    goonline();
    holdat(4, 5);
    frmFloat *f = openfloat();
    f->cmdFast_MouseDown();
    ecu.clearreceived();
    QTest::keyClick(f->mapgridfloat, Qt::Key_PageUp);
    EXPECT_EQ(takereceived(1), QByteArray("\xA5")); // 128 + 32 (coarse up) + load 5
    EXPECT_FALSE(ecu.waitreceived(1, 50));
    // A key that reaches the window, not the grid, is handled once as well.
    QTest::keyClick(f, Qt::Key_PageUp);
    EXPECT_EQ(takereceived(1), QByteArray("\xA5"));
    EXPECT_FALSE(ecu.waitreceived(1, 50));

    // Copy opens the online row copy with this window's loop resting; the main loop stays
    // off afterwards, even were a copy window to switch it on as it closed.
    fuel1links().copyrows = copyrows;
    f->Timer1->start();
    bool pollingundercopy = true;
    EXPECT_EQ(whilemodal<frmWarn3>([&] { f->Command3_MouseDown(); },
                                   [&](frmWarn3 &copy) {
                                       pollingundercopy = f->Timer1->isActive() ||
                                                          window->Timer1->isActive();
                                       copy.reject();
                                   }),
              1);
    EXPECT_FALSE(pollingundercopy);
    fuel1links().copyrows = [this] { window->Timer1->start(); };
    f->Command3_MouseDown();
    EXPECT_FALSE(window->Timer1->isActive());
    EXPECT_TRUE(f->Timer1->isActive());
    f->Timer1->stop();

    ecu.clearreceived();
    f->Timer1_Timer(); // skipped once after the trim
    f->Timer1_Timer();
    EXPECT_TRUE(ecu.waitreceived(1, 200));
    EXPECT_FALSE(window->Timer1->isActive());
    QTest::keyClick(f->mapgridfloat, Qt::Key_F9);
    EXPECT_FALSE(loaded<frmFloat>());
    EXPECT_TRUE(window->Timer1->isActive());
    EXPECT_EQ(floatopen, 0);
}

TEST_F(FloatingGrid, OfflineButtonsKeysAndTraceOfTheAfrMap)
{
    window->mnuAFR_Click();
    curload = 28;
    colours[1] = 0x00C08040;
    for (auto *trace : {&fueltrace, &sparktrace})
        for (auto &row : *trace) std::fill(std::begin(row), std::end(row), 0x123456u);
    frmFloat *f = openfloat();
    EXPECT_EQ(f->windowTitle(), "AFR target map");
    // The grid opens with the cursor in view, hiding no more columns at the left than it needs.
    MapGrid &grid = *f->mapgridfloat;
    const QRect cursor = grid.visualItemRect(grid.item(0, 28));
    EXPECT_TRUE(grid.viewport()->rect().contains(cursor));
    EXPECT_TRUE(grid.firstvisiblecolumn() == 0 ||
                cursor.right() + cursor.width() >= grid.viewport()->width());

    ecu.clearreceived();
    f->Timer1_Timer();
    EXPECT_FALSE(ecu.waitreceived(1, 30));

    const int beeps = beepcount();
    QTest::keyClick(f->mapgridfloat, Qt::Key_F3);
    EXPECT_EQ(beepcount(), beeps + 1);
    EXPECT_EQ(curmap, 43);

    // The held column moves although the rpm axis tracks.
    ASSERT_EQ(rpmhold, 0);
    currpm = 3;
    f->Command9_MouseDown();
    EXPECT_EQ(currpm, 4);
    f->Command10_MouseDown();
    f->Command10_MouseDown();
    EXPECT_EQ(currpm, 2);
    EXPECT_TRUE(f->mapgridfloat->hasFocus());

    f->Command5_MouseDown();
    EXPECT_EQ(fueltrace[31][31], colours[1]);
    EXPECT_EQ(sparktrace[0][0], 0x123456u);

    // No poll of this window runs under a typed entry.
    f->Timer1->start();
    bool pollingunderentry = true;
    EXPECT_EQ(whilemodal<frmInput>([&] { QTest::keyClick(f->mapgridfloat, Qt::Key_F7); },
                                   [&](frmInput &input) {
                                       pollingunderentry = f->Timer1->isActive();
                                       input.reject();
                                   }),
              1);
    EXPECT_FALSE(pollingunderentry);
    EXPECT_TRUE(f->Timer1->isActive());

    f->mnuExit->trigger();
    EXPECT_FALSE(loaded<frmFloat>());
    EXPECT_TRUE(window->Timer1->isActive());
}

// A pulled cable: the floating grid's loop backs off as the main window's does, and one good
// reply brings back its own rate.
TEST_F(FloatingGrid, ASilentEcuLeavesTheWindowResponsive)
{
    goonline();
    frmFloat *f = openfloat();
    const int live = probeticks(*f->Timer1);
    ecu.setsilent(true);
    EXPECT_GE(probeticks(*f->Timer1), live / 2) << "live " << live;
    ecu.setsilent(false);
    f->Timer1_Timer();
    EXPECT_EQ(f->Timer1->interval(), 50);
}

// Space opens the typed entry as F7 does: no poll of this window may move the cursor cell the
// entry writes to.
TEST_F(FloatingGrid, NoPollUnderATypedEntryOpenedWithSpace)
{
    goonline();
    window->mnuAFR_Click();
    frmFloat *f = openfloat();
    bool polled = true;
    EXPECT_EQ(whilemodal<frmInput>([&] { QTest::keyClick(f->mapgridfloat, Qt::Key_Space); },
                                   [&](frmInput &input) {
                                       ecu.clearreceived();
                                       f->Timer1_Timer();
                                       polled = ecu.waitreceived(1, 50);
                                       input.reject();
                                   }),
              1);
    EXPECT_FALSE(polled);
}
