#include "core/frmwarn9.h"
#include "core/messages.h"
#include "core/prefs.h"
#include "platform/beep.h"
#include "platform/forms.h"
#include "responder.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

using namespace korvane;

namespace {
// Leaves the preference and any window as they were found.
class Messages : public ::testing::Test {
  protected:
    void TearDown() override {
        hidemessages = savedhide;
        unload<frmWarn9>();
    }
    int16_t savedhide = hidemessages;
};
} // namespace

TEST_F(Messages, HiddenUnlessForcedWhenTheUserHidesThem) {
    test::Responder responder;
    hidemessages = prefon;
    const int beeps = beepcount();
    showmessage("not critical", "Information", 30, 0);
    showmessage("force 1 is not forced", "Information", 30, 1);
    EXPECT_TRUE(responder.asked.empty());
    EXPECT_EQ(beepcount(), beeps);

    showmessage("Checksum error!", "System error", 40, forced);
    ASSERT_EQ(responder.asked.size(), 1u);
    EXPECT_EQ(responder.asked[0].kind, PromptRequest::Notice);
    EXPECT_EQ(responder.asked[0].text, "Checksum error!");
    EXPECT_EQ(responder.asked[0].title, "System error");
    EXPECT_EQ(responder.asked[0].ticks, 40);
    EXPECT_EQ(beepcount(), beeps + 1);

    hidemessages = prefoff;
    showmessage("shown", "Information", 20, 0);
    EXPECT_EQ(responder.count(PromptRequest::Notice), 2);
    EXPECT_EQ(beepcount(), beeps + 2);
    EXPECT_FALSE(loaded<frmWarn9>()); // the responder stands in for the window
}

TEST_F(Messages, WindowShowsTheMessageAndClosesOnTheTickAfterItsLast) {
    msgtext = "The source file has a different load or rpm spread than the current file. You "
              "should migrate the source map to an equivalent load spread before importing fuel, "
              "spark or vct maps";
    msgtitle = "Information";
    msgticks = 3;
    const int beeps = beepcount();
    frmWarn9 *window = form<frmWarn9>();
    window->Timer1->stop(); // the test is the clock
    EXPECT_EQ(window->windowTitle(), "Information");
    EXPECT_EQ(window->Label1->text(), msgtext);
    EXPECT_EQ(beepcount(), beeps + 1);
    for (int tick = 1; tick <= 3; ++tick) {
        window->Timer1_Timer();
        EXPECT_TRUE(loaded<frmWarn9>()) << "closed early on tick " << tick;
    }
    window->Timer1_Timer();
    EXPECT_FALSE(loaded<frmWarn9>());

    msgticks = 0;
    form<frmWarn9>()->Timer1->stop();
    form<frmWarn9>()->Timer1_Timer();
    EXPECT_FALSE(loaded<frmWarn9>()); // ticks 0: gone on the first tick
}

// The longest messages, one with a folder that cannot wrap, show whole inside the window; one
// taller than the screen below the window's corner scrolls to its last line.
TEST_F(Messages, LongMessagesShowWhole) {
    const QString folder = "/home/tuner.name/.local/share/korvane/";
    const auto check = [](const QString &text, const QString &longestword) {
        msgtext = text;
        frmWarn9 *window = form<frmWarn9>();
        window->show();
        QCoreApplication::processEvents(); // the scroll bar shows where it is needed
        const QLabel *label = window->Label1;
        const QWidget *view = window->Scroll->viewport();
        EXPECT_LE(label->heightForWidth(label->width()), label->height()) << text.toStdString();
        EXPECT_LE(QFontMetrics(label->font()).horizontalAdvance(longestword), label->width());
        EXPECT_LE(label->width(), view->width());
        const QScrollBar *bar = window->Scroll->verticalScrollBar();
        EXPECT_EQ(bar->maximum(), std::max(0, label->height() - view->height()));
        EXPECT_EQ(window->focusWidget() == bar, bar->maximum() > 0); // the keys scroll it
        EXPECT_TRUE(window->rect().contains(window->Scroll->geometry()));
        EXPECT_LE(window->geometry().bottom(), window->screen()->availableGeometry().bottom());
        unload<frmWarn9>();
    };
    QString cells;
    for (int row = 0; row < 16; ++row)
        for (int column = 0; column < 16; ++column)
            cells += QString(", (%1 rpm, %2 mmHg)").arg(250 * row).arg(40 * column);
    check("The cell entries waiting for Enter were not sent to the ECU. Download the map for "
          "them to take effect.\nFUEL MAP 1" +
              cells,
          "mmHg),");
    check("You should press enter to complete each cell entry or group cell entry. Please press "
          "enter after this message is unloaded to complete the cell entry of group cell entry.",
          "unloaded");
    check("The workbook \"VCT 2024-05-01 12.00.00.000.xlsx\" was written in " + folder +
              ", but the program could not confirm that it was opened",
          folder + ",");
}

TEST_F(Messages, OtherTimersRunWhileAMessageIsOpen) {
    hidemessages = prefoff;
    const int beeps = beepcount();
    int otherticks = 0;
    QTimer other; // stands for the main window's live poll
    QObject::connect(&other, &QTimer::timeout, [&otherticks] { ++otherticks; });
    other.start(20);
    QElapsedTimer clock;
    clock.start();
    showmessage("Link lost", "Warning", 2, 0);
    EXPECT_GE(clock.elapsed(), 250); // three ticks of 100 ms
    EXPECT_GE(otherticks, 5);
    EXPECT_FALSE(loaded<frmWarn9>());
    EXPECT_EQ(beepcount(), beeps + 1);
}

TEST_F(Messages, AMessageRaisedWhileAnotherIsOpenFollowsIt) {
    hidemessages = prefoff;
    const int beeps = beepcount();
    QStringList opened; // each window as it opened: caption, text, ticks
    QPointer<frmWarn9> seen;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (!loaded<frmWarn9>() || form<frmWarn9>() == seen.data()) return;
        seen = form<frmWarn9>();
        opened << seen->windowTitle() + "|" + seen->Label1->text() + "|" +
                      QString::number(msgticks);
    });
    watch.start(5);
    // Two more raised while the first is open each wait with their own text, title and ticks.
    QTimer::singleShot(50, [] { showmessage("second", "Warning", 1, forced); });
    QTimer::singleShot(100, [] { showmessage("third", "System error", 3, 0); });
    QElapsedTimer clock;
    clock.start();
    showmessage("first", "Information", 2, 0);
    EXPECT_EQ(opened.join(";").toStdString(),
              "Information|first|2;Warning|second|1;System error|third|3");
    EXPECT_GE(clock.elapsed(), 850); // 3 ticks for the first, 2 for the second, 4 for the third
    EXPECT_EQ(beepcount(), beeps + 3);
    EXPECT_FALSE(loaded<frmWarn9>());
}

// A notice that stays until dismissed has no button: a fresh Return, or keypad Enter, closes
// it; the repeats of one still held from the window where it went down do not.
TEST_F(Messages, ANoticeUntilDismissedClosesOnAFreshReturn) {
    hidemessages = prefoff;
    QWidget before;
    before.show();
    for (const auto &[key, pad] :
         {std::pair{Qt::Key_Return, Qt::NoModifier}, {Qt::Key_Enter, Qt::KeypadModifier}}) {
        QTest::keyPress(&before, key, pad);
        bool stayed = false;
        QTimer::singleShot(0, [&, key = key, pad = pad] {
            QWidget *notice = QApplication::activeModalWidget();
            QKeyEvent repeat(QEvent::KeyPress, key, pad, "\r", true);
            QApplication::sendEvent(notice, &repeat);
            QTest::keyRelease(notice, key, pad);
            stayed = notice->isVisible();
            QTest::keyClick(notice, key, pad);
        });
        QTimer rescue; // ends the test should Return leave the notice open
        rescue.setSingleShot(true);
        rescue.callOnTimeout([] { form<frmWarn9>()->reject(); });
        rescue.start(3000);
        showmessage("The serial port stopped working", "System error", untildismissed, forced);
        EXPECT_TRUE(stayed) << key;
        EXPECT_TRUE(rescue.isActive()) << key;
    }
}

TEST_F(Messages, ClosingEarlyReturnsAndTheNextMessageGetsItsFullTime) {
    hidemessages = prefoff;
    QTimer::singleShot(150, [] {
        if (QWidget *open = QApplication::activeModalWidget()) open->close();
    });
    QElapsedTimer clock;
    clock.start();
    showmessage("long", "Information", 50, 0);
    EXPECT_LT(clock.elapsed(), 2000);
    EXPECT_FALSE(loaded<frmWarn9>());

    msgticks = 1;
    frmWarn9 *window = form<frmWarn9>();
    window->Timer1->stop();
    window->Timer1_Timer();
    EXPECT_TRUE(loaded<frmWarn9>()); // counting starts afresh at 0
    window->Timer1_Timer();
    EXPECT_FALSE(loaded<frmWarn9>());
}
