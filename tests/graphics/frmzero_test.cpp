#include "graphics/frmzero.h"

#include "platform/beep.h"
#include "platform/canvasrecorder.h"
#include "platform/picturebox.h"
#include "toolwindowfixture.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

using namespace korvane;
using namespace korvane::test;

namespace {
class Monitor : public ToolWindowTest {
  protected:
    frmZero *window = nullptr;
    void SetUp() override
    {
        ToolWindowTest::SetUp();
        window = form<frmZero>();
        window->Timer1->stop();
        ecu.clearreceived();
    }
    void TearDown() override
    {
        close<frmZero>();
        mondecimal = 0;
        ToolWindowTest::TearDown();
    }
    void address(const QString &high, const QString &low)
    {
        window->Text3->setText(high);
        window->Text1->setText(low);
    }
};
} // namespace

TEST_F(Monitor, AddressHandshakeThenReadsTheByte)
{
    ecu.setmemory(0x1A2B, 0xC4);
    address("1a", " 2B");
    window->Timer1_Timer();
    EXPECT_EQ(takereceived(3), QByteArray("\x40\x1A\x2B"));
    window->Timer1_Timer();
    EXPECT_EQ(takereceived(1), QByteArray("b"));
    EXPECT_EQ(window->Label1->text(), "C4");
    EXPECT_EQ(window->Timer1->interval(), 50); // a reading every 50 ms
    window->Command2_Click(); // decimal
    window->Timer1_Timer();
    EXPECT_EQ(window->Label1->text(), "196");

    // The quick list names no entry before one is chosen; a choice fills both fields and
    // the ECU hears the address at the next tick.
    EXPECT_EQ(window->Combo3->currentText(), "");
    const char *const quick[5] = {"\x40\x6A\x88", "\x40\x6A\x92", "\x40\x6B\x13",
                                  "\x40\x6B\xE0", "\x40\x6A\xE0"};
    for (int item = 0; item < 5; ++item) {
        ecu.clearreceived();
        window->Combo3_Click(item);
        window->Timer1_Timer();
        EXPECT_EQ(takereceived(3), QByteArray(quick[item])) << item;
    }
}

TEST_F(Monitor, WrongHandshakeReplyKeepsTheAddressPending)
{
    ecu.setwrongreply(0x40, 'X');
    address("10", "00");
    window->Timer1_Timer();
    EXPECT_EQ(takereceived(1), QByteArray("\x40"));
    EXPECT_EQ(window->Label1->text(), "error");
    ecu.setwrongreply(-1, 0);
    window->Timer1_Timer();
    EXPECT_EQ(takereceived(3), QByteArray("\x40\x10\x00", 3));
}

TEST_F(Monitor, InvalidHexSendsNothingAndBeepsOnlyAtEnter)
{
    const int beeps = beepcount();
    address("6A", ""); // the low byte still being typed
    window->Timer1_Timer();
    address("G1", "00");
    window->Timer1_Timer();
    EXPECT_EQ(beepcount(), beeps);
    window->Command1_Click();
    EXPECT_EQ(beepcount(), beeps + 1);
    address("100", "00"); // no byte either
    window->Command1_Click();
    EXPECT_EQ(beepcount(), beeps + 2);
    EXPECT_FALSE(ecu.waitreceived(1, 100));
    address("4", "0");
    window->Timer1_Timer();
    EXPECT_EQ(takereceived(3), QByteArray("\x40\x04\x00", 3));
}

TEST_F(Monitor, FailedReadIsNeitherShownNorPlotted)
{
    window->show();
    const QImage before = window->picGraph->image().copy();
    ecu.setsilent(true);
    window->Timer1_Timer();
    EXPECT_EQ(window->Label1->text(), "error");
    EXPECT_TRUE(window->picGraph->image() == before);
}

TEST_F(Monitor, StopsTheMainLoopWhileOpenAndStartsItAtClose)
{
    EXPECT_FALSE(maintimer);
    close<frmZero>();
    EXPECT_TRUE(maintimer);
    maintimer = false; // started at close whatever it did before
    form<frmZero>();
    close<frmZero>();
    EXPECT_TRUE(maintimer);
}

TEST(MonitorGraph, SignedBytesPlotAroundTheMiddleAndTheGraphRestartsEvery166)
{
    EXPECT_EQ(monplotvalue(0x80, false), 0);
    EXPECT_EQ(monplotvalue(0x00, false), 128);
    EXPECT_EQ(monplotvalue(0xFF, false), 127);
    EXPECT_EQ(monplotvalue(0xFF, true), 255);

    MonitorGraph graph;
    RecordingCanvas canvas;
    graph.mondraw(canvas, 10, 100); // scale step s = 180
    ASSERT_EQ(canvas.drawn.size(), 1u + 14 + 71 + 1);
    EXPECT_EQ(canvas.drawn[0].kind, Drawn::box);
    const Drawn &first = canvas.drawn.back();
    EXPECT_EQ(first.x1, 0);
    EXPECT_EQ(first.x2, 66);
    EXPECT_EQ(first.y2, 3900 - 9 * 10);
    EXPECT_EQ(first.colour, 0xFFFF00u); // cyan over the grey grid
    EXPECT_EQ(canvas.drawn[1].colour, 0x707070u);
    for (int i = 1; i < 166; ++i) graph.mondraw(canvas, 20, 100);
    EXPECT_EQ(canvas.drawn.back().x1, 66 * 165);
    EXPECT_EQ(canvas.drawn.back().y1, 3900 - 9 * 20);
    const size_t before = canvas.drawn.size();
    graph.mondraw(canvas, 20, 100);
    EXPECT_EQ(canvas.drawn.size(), before + 87); // a fresh grid and the first step
}
