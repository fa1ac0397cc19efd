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
    // Keypad Enter chooses as Return does: Up to "MAP band colour".
    QTest::keyClick(window->List1, Qt::Key_Up);
    responder.answer({true, {}, 0xFF0000});
    QTest::keyClick(window->List1, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(colours[3], 0xFF0000u);

    responder.answer({true, {}, 0x00FFFF});
    window->List1_Click(1);
    EXPECT_EQ(colours[1], 0x00FFFFu);
    EXPECT_EQ(fueltrace[3][4], 0x00FFFFu);
    EXPECT_EQ(sparktrace[5][6], 0x00FFFFu);
    EXPECT_EQ(visittrace[0][1][2], 0x00FFFFu);

    // Every entry, in list order, to its own slot; the panel and blend slots stay.
    const int slot[6] = {0, 1, 2, 3, 5, 6};
    for (int i = 0; i < 6; ++i) {
        responder.answer({true, {}, 0x000100u * (i + 1)});
        window->List1_Click(i);
    }
    for (int i = 0; i < 6; ++i) EXPECT_EQ(colours[slot[i]], 0x000100u * (i + 1)) << i;
    EXPECT_EQ(colours[4], 0x111111u);
    EXPECT_EQ(colours[7], 0x111111u);
}

TEST_F(Colours, SaveWritesColoursFileAndAFailedSaveIsTold)
{
    QDir().mkpath(coloursfile());
    form<frmColors>()->cmdSave->click();
    EXPECT_TRUE(responder.wasasked("The colours were not saved"));
    EXPECT_TRUE(loaded<frmColors>());

    QDir().rmdir(coloursfile());
    // Slots 0, 1, 2, 3, 5, 6 in that order, each 00 BB GG RR; the panel (4) and blend (7) stay out.
    const uint32_t set[8] = {0x010203, 0x111213, 0x212223, 0x313233,
                             0x414243, 0x515253, 0x123456, 0x717273};
    std::copy(set, set + 8, colours);
    form<frmColors>()->cmdSave->click();
    QFile file(coloursfile());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("\x00\x01\x02\x03\x00\x11\x12\x13\x00\x21\x22\x23"
                                         "\x00\x31\x32\x33\x00\x51\x52\x53\x00\x12\x34\x56", 24));
}
