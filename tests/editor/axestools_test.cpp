#include "core/linestate.h"
#include "core/calimage.h"
#include "core/colours.h"
#include "core/editorstate.h"
#include "core/flags.h"
#include "core/livedata.h"
#include "editor/frmwarn4.h"
#include "editor/frmwarn7.h"
#include "editor/switchaxes.h"
#include "platform/beep.h"
#include "platform/forms.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QTimer>
#include <gtest/gtest.h>

#include <cstring>
#include <random>

using namespace korvane;

TEST(AxesQuickswitch, TransposesOnlyTheCurrentMapAndTwiceGivesItBack)
{
    std::mt19937 rng(5);
    for (auto &column : curimage.pwmmaps)
        for (auto &cell : column) cell = int16_t(rng() & 255);
    const calimage before = curimage;
    modified = 0;
    markuploaded();
    curmap = 41;
    switchaxes();
    for (int x = 0; x < 24; ++x)
        for (int y = 0; y < 24; ++y) {
            ASSERT_EQ(imagebyte(curimage, 0x1540 + 24 * x + y), before.pwmmaps[24 + y][x]);
            ASSERT_EQ(curimage.pwmmaps[x][y], before.pwmmaps[x][y]);           // map 40
            ASSERT_EQ(curimage.pwmmaps[48 + x][y], before.pwmmaps[48 + x][y]); // map 42
        }
    EXPECT_EQ(modified, 255);
    EXPECT_EQ(ecudirty, 255);
    switchaxes();
    EXPECT_EQ(std::memcmp(&curimage, &before, sizeof before), 0);
}

namespace {
// Answers the spread window, once it is up, with each text in turn; records whether it was
// still open after each Ok.
void answerspread(std::vector<QString> texts, std::vector<bool> &openafter)
{
    QTimer::singleShot(0, [texts, &openafter] {
        auto *window = qobject_cast<frmWarn7 *>(QApplication::activeModalWidget());
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(window->Text17->text(), "60");
        for (const QString &text : texts) {
            window->Text17->setText(text);
            window->Command1_Click();
            openafter.push_back(loaded<frmWarn7>());
            if (!loaded<frmWarn7>()) return;
        }
        window->Command2_Click();
    });
}
} // namespace

TEST(VctiSpread, TakenFromTheCalibrationOrAskedAndKeptOnceKnown)
{
    vctspread = 0;
    curimage.settings[13][10] = 45;
    askvctispread();
    EXPECT_EQ(vctspread, 45);
    curimage.settings[13][10] = 90;
    askvctispread();
    EXPECT_EQ(vctspread, 45);

    vctspread = 0;
    curimage.settings[13][10] = 255;
    std::vector<bool> openafter;
    answerspread({}, openafter); // Cancel: asked again next time
    const int beeps = beepcount();
    askvctispread();
    EXPECT_EQ(beepcount(), beeps + 1);
    EXPECT_EQ(vctspread, 0);
    answerspread({"300", "letters", "-1", "60"}, openafter);
    askvctispread();
    EXPECT_EQ(openafter, (std::vector<bool>{true, true, true, false}));
    EXPECT_EQ(vctspread, 60);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST(ResetTraces, ResetsOnlyTheTickedTraces)
{
    colours[1] = 0x00C08040;
    for (auto *trace : {&fueltrace, &sparktrace, &visittrace[0], &visittrace[2]})
        for (auto &row : *trace) std::fill(std::begin(row), std::end(row), 0x123456u);
    std::fill(std::begin(knockdotx), std::end(knockdotx), 7);
    std::fill(std::begin(knockdoty), std::end(knockdoty), 9);

    frmWarn4 *window = form<frmWarn4>();
    EXPECT_TRUE(window->Check1->isChecked() && window->Check2->isChecked() &&
                window->Check3->isChecked() && window->Check4->isChecked());
    for (QCheckBox *check : {window->Check1, window->Check2, window->Check4})
        check->setChecked(false);
    window->Command1_Click();
    EXPECT_EQ(knockdotx[0] + knockdoty[254], 0);
    EXPECT_EQ(knockdotx[255], 7); // never drawn, never cleared
    EXPECT_EQ(fueltrace[5][5], 0x123456u);
    EXPECT_EQ(sparktrace[31][31], 0x123456u);
    EXPECT_EQ(visittrace[2][0][0], 0x123456u);

    form<frmWarn4>()->Command1_Click();
    EXPECT_EQ(fueltrace[31][0], colours[1]);
    EXPECT_EQ(sparktrace[0][31], colours[1]);
    EXPECT_EQ(visittrace[2][31][31], colours[1]);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
