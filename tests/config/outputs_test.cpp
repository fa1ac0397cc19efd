#include "config/frmoutputs.h"
#include "core/linestate.h"
#include "core/calimage.h"
#include "core/flags.h"
#include "core/mainport.h"
#include "core/mainwindowhooks.h"
#include "core/names.h"
#include "platform/beep.h"
#include "platform/forms.h"
#include "platform/tabstrip.h"
#include "responder.h"
#include "simlink.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTest>

using namespace korvane;
using namespace korvane::test;

namespace {
// Types text into a box and presses its "enter" button.
void enter(QLineEdit *box, QPushButton *button, const QString &text) {
    box->setText(text);
    button->click();
}
void choose(QComboBox *list, int position) {
    list->setCurrentIndex(position);
    emit list->activated(position);
}

// The output window over a cleared image, offline unless a test opens the port; the main
// window's live loop is a flag.
class Outputs : public ::testing::Test {
  protected:
    void SetUp() override {
        QLocale::setDefault(QLocale::c());
        initnames();
        curimage = {};
        modified = 0;
        markuploaded();
        mainwindowhooks().timerenabled = [this] { return timer; };
        mainwindowhooks().settimerenabled = [this](bool on) { timer = on; };
    }
    void TearDown() override {
        if (loaded<frmOutputs>()) form<frmOutputs>()->cmdSave_Click();
        mainwindowhooks() = {};
        QLocale::setDefault(saved);
    }
    bool timer = false;
    Responder responder;
    QLocale saved;
};

constexpr int acrev = 3, ratio = 0, acdelay = 5;
} // namespace

TEST_F(Outputs, ScalarsAndThresholdsStoreTheirBytesAndRefuseBadEntries) {
    frmOutputs *w = form<frmOutputs>();
    enter(w->scalarbox[acrev], w->scalarbutton[acrev], "3025");
    EXPECT_EQ(curimage.settings[2][14], 60); // 60.5 to the even 60
    EXPECT_EQ(w->scalarbox[acrev]->text(), "3000");
    EXPECT_EQ(modified, flagset);
    EXPECT_EQ(ecudirty, flagset);
    enter(w->scalarbox[ratio], w->scalarbutton[ratio], "300");
    EXPECT_EQ(curimage.settings[12][0], 255);
    EXPECT_EQ(w->scalarbox[ratio]->text(), "255");
    enter(w->scalarbox[acdelay], w->scalarbutton[acdelay], "20.3");
    EXPECT_EQ(curimage.settings[10][15], 254);
    EXPECT_EQ(w->scalarbox[acdelay]->text(), "20.32");
    enter(w->scalarbox[acdelay], w->scalarbutton[acdelay], "20.4"); // beyond: the cap "20"
    EXPECT_EQ(curimage.settings[10][15], 250);
    // Far beyond its range each scalar stores its cap: 255, 255, 255, 12750 rpm, 100 %, 20 s,
    // 84 s and 5 s.
    const int rows[8] = {12, 10, 11, 2, 2, 10, 10, 10}, columns[8] = {0, 11, 11, 14, 15, 15, 5, 8};
    const int caps[8] = {255, 255, 255, 255, 250, 250, 255, 250};
    for (int s = 0; s < 8; ++s) {
        enter(w->scalarbox[s], w->scalarbutton[s], "99999");
        EXPECT_EQ(curimage.settings[rows[s]][columns[s]], caps[s]) << s;
    }
    enter(w->Text10, w->Command6, "250");
    EXPECT_EQ(curimage.settings[8][2], 255);
    EXPECT_EQ(w->Text10->text(), "235");
    enter(w->Text10, w->Command6, "-30"); // below the sensor's range: -20 C, byte 0
    EXPECT_EQ(curimage.settings[8][2], 0);

    // Refused: the byte stays, the box shows it again, a beep.
    for (const char *typed : {"-1", "abc", "", "nan", "1e999"}) {
        const int beeps = beepcount();
        enter(w->scalarbox[ratio], w->scalarbutton[ratio], typed);
        EXPECT_EQ(curimage.settings[12][0], 255) << typed;
        EXPECT_EQ(w->scalarbox[ratio]->text(), "255") << typed;
        EXPECT_EQ(beepcount(), beeps + 1) << typed;
    }

    // Thresholds in the condition's channel units: coolant (C) is raw - 20.
    enter(w->thresholdbox[0], w->thresholdbutton[0], "100");
    EXPECT_EQ(curimage.settings[1][0], 120);
    EXPECT_EQ(w->thresholdbox[0]->text(), "100.0");
    enter(w->thresholdbox[0], w->thresholdbutton[0], "-40");
    EXPECT_EQ(curimage.settings[1][0], 0);
    curimage.settings[0][1] = 2; // engine speed, 50 rpm a count
    enter(w->thresholdbox[1], w->thresholdbutton[1], "7025");
    EXPECT_EQ(curimage.settings[1][1], 140);
    enter(w->thresholdbox[1], w->thresholdbutton[1], "99999");
    EXPECT_EQ(curimage.settings[1][1], 255);
    curimage.settings[0][1] = 0x45; // no such channel: refused
    enter(w->thresholdbox[1], w->thresholdbutton[1], "1");
    EXPECT_EQ(curimage.settings[1][1], 255);
    curimage.settings[0][1] = 2;
    enter(w->thresholdbox[1], w->thresholdbutton[1], "x");
    EXPECT_EQ(curimage.settings[1][1], 255);
    EXPECT_EQ(w->thresholdbox[1]->text(), "12750");
}

// Thresholds show in full at load and to a tenth after an entry, finer than some channels'
// counts: either text entered again keeps every byte of every channel, and of every scalar.
TEST_F(Outputs, EnteringTheShownTextAgainNeverMovesAByte) {
    frmOutputs *w = form<frmOutputs>();
    for (int half = 0; half < 2; ++half) {
        for (int byte = 0; byte < 256; ++byte) {
            for (int slot = 0; slot < usersloteach; ++slot) {
                conditionbyte(slot) = int16_t(16 * half + slot);
                thresholdbyte(slot) = int16_t(byte);
            }
            for (int i = 0; i < scalarcount; ++i)
                scalarbyte(scalarsettingof(i)) = int16_t(byte);
            thermofanbyte() = int16_t(byte);
            w->initialise();
            for (int twice = 0; twice < 2; ++twice) {
                for (QPushButton *button : w->thresholdbutton)
                    button->click();
                for (QPushButton *button : w->scalarbutton)
                    button->click();
                w->Command6->click();
            }
            for (int slot = 0; slot < usersloteach; ++slot)
                EXPECT_EQ(thresholdbyte(slot), byte) << channame[16 * half + slot].toStdString();
            for (int i = 0; i < scalarcount; ++i)
                EXPECT_EQ(scalarbyte(scalarsettingof(i)), byte) << scalarsettingof(i).label;
            EXPECT_EQ(thermofanbyte(), byte);
        }
    }
}

TEST_F(Outputs, OpensWithoutEditingAndShowsEveryStoredChoice) {
    curimage.settings[14][6] = 7;     // output 1: air con
    curimage.settings[14][7] = 64;    // output 2: no such function
    curimage.settings[3][0] = 255;    // PWM MAP 1 input: none
    curimage.settings[3][12] = 31;    // PWM MAP 9 Y: the last channel
    curimage.settings[0][2] = 31;     // last channel, ">"
    curimage.settings[0][3] = 159;    // last channel, "<"
    curimage.settings[0][4] = 200;    // nothing valid
    frmOutputs *w = form<frmOutputs>();
    EXPECT_EQ(modified, 0);
    EXPECT_EQ(ecudirty, 0);
    EXPECT_TRUE(w->Option1[7]->isChecked());
    EXPECT_EQ(w->frames->currentIndex(), 7);
    EXPECT_EQ(w->Combo4[0]->currentIndex(), -1);
    EXPECT_EQ(w->Combo4[12]->currentIndex(), 31);
    EXPECT_EQ(w->Combo5[2]->currentIndex(), 31);
    EXPECT_EQ(w->Combo5[3]->currentIndex(), 63);
    EXPECT_EQ(w->Combo5[4]->currentIndex(), -1);

    w->TabStrip1->setCurrentIndex(1);
    for (QRadioButton *option : w->Option1) EXPECT_FALSE(option->isChecked());
    EXPECT_EQ(w->Frame2->title(), "OUTPUT 2");
    // The captions where each kind of tab, button and frame starts and ends.
    for (auto [tab, text] : {std::pair{7, "INJ 8"}, {8, "PWM 1"}, {23, "PWM 16"}})
        EXPECT_EQ(w->TabStrip1->tabText(tab), text);
    for (auto [code, text] : {std::pair{8, "USER 1"}, {19, "USER 12"}, {20, "PWM MAP 1"},
                              {30, "PWM MAP 11"}, {31, "Off "}, {37, "F2"}, {38, "Bytestream 1"},
                              {53, "Bytestream 16"}, {54, "Bytestream 17 "}, {59, "Bytestream 22"}}) {
        EXPECT_EQ(w->Option1[code]->text(), text) << code;
        if (code < 38) {
            EXPECT_EQ(w->Frame1[code]->title(), QString(text).toUpper().trimmed()) << code;
        }
    }

    choose(w->Combo5[2], 31); // ">" of the last channel
    EXPECT_EQ(curimage.settings[0][2], 31);
    choose(w->Combo5[3], 32 + 5); // "<" of channel 5
    EXPECT_EQ(curimage.settings[0][3], 0x85);
    EXPECT_EQ(modified, flagset);
    const int beeps = beepcount();
    emit w->Combo5[4]->activated(-1);
    EXPECT_EQ(curimage.settings[0][4], 200);
    EXPECT_EQ(beepcount(), beeps + 1);
}

// Online every edit goes to the ECU at once: the write command, the address with its flag
// bit, the value, and the ECU then holds what the image holds.
class OutputsOnline : public SimLinkTest {
  protected:
    void SetUp() override {
        SimLinkTest::SetUp();
        initnames();
        curimage = {};
        goonline();
        livewrite = 0;
        mainwindowhooks().timerenabled = [this] { return timer; };
        mainwindowhooks().settimerenabled = [this](bool on) { timer = on; };
    }
    void TearDown() override {
        if (loaded<frmOutputs>()) form<frmOutputs>()->cmdSave_Click();
        mainwindowhooks() = {};
        resetlinestate();
        SimLinkTest::TearDown();
    }
    bool timer = true;
    Responder responder;
};

TEST_F(OutputsOnline, EditsReachTheEcuAndTheLiveLoopComesBack) {
    frmOutputs *w = form<frmOutputs>();
    EXPECT_FALSE(timer);
    EXPECT_EQ(livewrite, flagset);
    w->TabStrip1->setCurrentIndex(2); // output 3, ECU 0x10E8
    EXPECT_FALSE(ecu.waitreceived(1, 30)); // a tab change sends nothing
    w->Option1[35]->click();
    EXPECT_EQ(takereceived(70).left(6), QByteArray::fromHex("636348" "90e823"));
    EXPECT_EQ(ecu.memory(0x10E8), 35);
    EXPECT_EQ(curimage.settings[14][8], 35);

    // PWM 16 (ECU 0x10FD) is in sight without scrolling and reached with the keys.
    EXPECT_TRUE(w->TabStrip1->rect().contains(w->TabStrip1->tabRect(23)));
    QTest::keyClick(w->TabStrip1, Qt::Key_End);
    w->Option1[59]->click();
    EXPECT_EQ(takereceived(70).left(6), QByteArray::fromHex("636348" "90fd3b"));
    EXPECT_EQ(curimage.settings[15][13], 59);
    EXPECT_EQ(livewrite, flagset);

    // The other settings, each at its own address: the address with its flag bit, the value.
    const auto sent = [this] { return takereceived(70).mid(3, 3); };
    const char *scalars[8][2] = {{"77", "90c04d"},   {"88", "90ab58"}, {"99", "90bb63"},
                                 {"3025", "902e3c"}, {"50", "902f7d"}, {"20.3", "90affe"},
                                 {"33", "90a564"},   {"2.5", "90a87d"}};
    for (int i = 0; i < 8; ++i) { // typed, and the address and byte sent
        enter(w->scalarbox[i], w->scalarbutton[i], scalars[i][0]);
        EXPECT_EQ(sent().toHex(), scalars[i][1]) << i;
    }
    enter(w->Text10, w->Command6, "80"); // thermofan ON TEMP: degrees + 20
    EXPECT_EQ(sent().toHex(), "908264");
    for (int slot = 0; slot < 16; ++slot) { // thresholds of coolant: degrees + 20
        enter(w->thresholdbox[slot], w->thresholdbutton[slot], QString::number(slot));
        EXPECT_EQ(sent(), QByteArray("\x90") + char(0x10 + slot) + char(20 + slot)) << slot;
    }
    for (int map = 1; map <= 11; ++map) { // INPUT X at 0x1030 + map - 1, Y at 0x1033 + map
        const QList<QComboBox *> inputs = w->Frame1[19 + map]->findChildren<QComboBox *>();
        ASSERT_EQ(inputs.size(), map >= 9 ? 2 : 1) << map;
        choose(inputs[0], map);
        EXPECT_EQ(sent(), QByteArray("\x90") + char(0x2F + map) + char(map)) << map;
        if (map < 9) continue;
        choose(inputs[1], 20 + map);
        EXPECT_EQ(sent(), QByteArray("\x90") + char(0x33 + map) + char(20 + map)) << map;
    }

    w->Combo5[3]->setCurrentIndex(63);
    emit w->Combo5[3]->activated(63);
    EXPECT_EQ(takereceived(70).left(6), QByteArray::fromHex("636348" "90039f"));
    EXPECT_EQ(ecu.memory(0x1003), 159);
    w->cmdSave_Click();
    EXPECT_TRUE(timer);
    EXPECT_EQ(form<frmOutputs>()->Combo5[3]->currentIndex(), 63);
}

TEST_F(OutputsOnline, ReturnInABoxStoresAndSendsNothing) {
    curimage.settings[14][6] = 7; // output 1: air con, its frame shown
    frmOutputs *w = form<frmOutputs>();
    w->show();
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    w->scalarbutton[3]->setFocus(); // AC REV's "enter" was the last button used
    w->scalarbox[3]->setText("4000"); // typed, never entered
    w->scalarbox[4]->setText("50");
    QTest::keyClick(w->scalarbox[4], Qt::Key_Return);
    EXPECT_FALSE(ecu.waitreceived(1, 30));
    EXPECT_EQ(curimage.settings[2][14], 0);
}
