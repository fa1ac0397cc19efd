#include "graphics/frmcolors.h"

#include "core/colours.h"
#include "responder.h"
#include "tempfolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QApplication>
#include <QPushButton>
#include <QListWidget>
#include <QTest>
#include <algorithm>
#include <gtest/gtest.h>

using namespace korvane;

namespace {
class Colours : public ::testing::Test {
  protected:
    test::TempProgramFolder folder{false};
    test::Responder responder;
    void SetUp() override
    {
        std::fill(std::begin(colours), std::end(colours), 0x111111u);
        resettraces(0x111111);
        fueltrace[3][4] = sparktrace[5][6] = visittrace[0][1][2] = 0x00FF00;
    }
    void TearDown() override
    {
        if (loaded<frmColors>()) form<frmColors>()->reject();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    bool tracesvisited() const
    {
        return fueltrace[3][4] == 0x00FF00 && sparktrace[5][6] == 0x00FF00 &&
               visittrace[0][1][2] == 0x00FF00;
    }
};
} // namespace

TEST_F(Colours, ChosenColourGoesToItsSlotOnlyANewWireColourClearsTheTraces)
{
    frmColors *window = form<frmColors>();
    responder.answer({false, {}, 0});
    window->List1_Click(1); // cancelled
    EXPECT_EQ(colours[1], 0x111111u);
    EXPECT_TRUE(tracesvisited());

    // Chosen with the keys: Down to "Keyboard trim band colour", then Space.
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    EXPECT_EQ(QApplication::focusWidget(), window->List1);
    for (int i = 0; i < 4; ++i) QTest::keyClick(window->List1, Qt::Key_Down);
    responder.answer({true, {}, 0x0000FF});
    QTest::keyClick(window->List1, Qt::Key_Space);
    EXPECT_EQ(colours[5], 0x0000FFu);
    EXPECT_EQ(colours[4], 0x111111u);
    EXPECT_TRUE(tracesvisited());

    responder.answer({true, {}, 0x00FFFF});
    window->List1_Click(1);
    EXPECT_EQ(colours[1], 0x00FFFFu);
    EXPECT_EQ(fueltrace[3][4], 0x00FFFFu);
    EXPECT_EQ(sparktrace[5][6], 0x00FFFFu);
    EXPECT_EQ(visittrace[0][1][2], 0x00FFFFu);
}

TEST_F(Colours, SaveWritesColoursFileAndAFailedSaveIsTold)
{
    QDir().mkpath(coloursfile());
    form<frmColors>()->cmdSave->click();
    EXPECT_TRUE(responder.wasasked("The colours were not saved"));
    EXPECT_TRUE(loaded<frmColors>());

    QDir().rmdir(coloursfile());
    colours[6] = 0x123456;
    form<frmColors>()->cmdSave->click();
    QFile file(coloursfile());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().right(4), QByteArray("\x00\x12\x34\x56", 4));
}
