#include "config/edgepictures.h"
#include "config/frmtrig1.h"
#include "config/triggers.h"
#include "core/linestate.h"
#include "core/calimage.h"
#include "core/flags.h"
#include "platform/beep.h"
#include "platform/canvasrecorder.h"
#include "platform/forms.h"
#include "responder.h"
#include "tempfolder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace korvane;
using namespace korvane::test;

namespace {
class TriggerWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        QLocale::setDefault(QLocale::c());
        curimage = {};
    }
    void TearDown() override {
        if (loaded<frmTrig1>()) form<frmTrig1>()->Command1_Click();
        QLocale::setDefault(saved);
    }
    static void enter(QLineEdit *box, QPushButton *button, const QString &text) {
        box->setText(text);
        button->click();
    }
    int16_t &block(int k) { return curimage.settings[13][k]; }
    TempProgramFolder folder;
    Responder responder;
    QLocale saved;
};
} // namespace

TEST_F(TriggerWindow, OpensWithTheStoredEdgesAndLeavesTheFlags) {
    block(0) = 0xFD;
    block(1) = 2;
    block(2) = 99;    // beyond the sync list
    block(11) = 0x80; // VCTi1 on
    block(15) = 0x40; // VCTe2 on
    modified = flagset;
    markuploaded();
    frmTrig1 *w = form<frmTrig1>();
    EXPECT_TRUE(w->Option1->isChecked());
    EXPECT_TRUE(w->Option9->isChecked());
    EXPECT_TRUE(w->Option6->isChecked());
    EXPECT_FALSE(w->Option5->isChecked());
    for (auto [box, on] :
         {std::pair{w->Check1, true}, {w->Check2, false}, {w->Check3, false}, {w->Check4, true}})
        EXPECT_EQ(box->isChecked(), on);
    EXPECT_EQ(block(0), 0xCD);
    EXPECT_EQ(w->Combo1->currentIndex(), 2);
    EXPECT_EQ(w->Combo2->currentIndex(), -1);
    EXPECT_EQ(w->Combo3->count(), 24);
    EXPECT_EQ(modified, flagset);
    EXPECT_EQ(ecudirty, 0);

    w->Option4->click(); // sync falling keeps the feedback bits
    EXPECT_EQ(block(0), 0xC9);
    w->Option3->click(); // sync rising clears the falling bit
    EXPECT_EQ(block(0), 0xC5);
    w->Option4->click();
    EXPECT_EQ(ecudirty, flagset);
    w->Option2->click();
    EXPECT_EQ(block(0), 0xCA);
    w->Option1->click(); // rising clears the falling bit
    EXPECT_EQ(block(0), 0xC9);
    w->Option2->click();
    block(0) |= 0x30; // bits 4-5 go with any edge or feedback choice
    w->Option5->click();
    EXPECT_EQ(block(0), 0x0A);
    w->Option6->click(); // multi-channel: both feedback bits
    EXPECT_EQ(block(0), 0xCA);
    w->Check2->click();
    w->Check1->click();
    EXPECT_EQ(block(11), 0x40);
}

TEST_F(TriggerWindow, EntriesStoreOrAreRefusedKeepingTheByte) {
    block(3) = 6;
    block(5) = 60;
    block(11) = 0xEE; // centre trim 5, feedforward 6
    block(15) = 0x6C; // centre trim 5, feedforward 4
    frmTrig1 *w = form<frmTrig1>();
    for (auto [typed, stored, shown] : {std::tuple{"7", 6, "6"},
                                        {"3", 4, "4"},
                                        {"9", 8, "8"},
                                        {"5", 4, "4"},
                                        {"10", 8, "8"},
                                        {"six", 8, "8"}}) {
        enter(w->Text24, w->Command24, typed);
        EXPECT_EQ(block(3), stored) << typed;
        EXPECT_EQ(w->Text24->text(), shown) << typed;
    }

    for (const char *typed : {"12", "10.4", "300", "54.9"}) {
        const int beeps = beepcount();
        const size_t asked = responder.asked.size();
        enter(w->Text10, w->Command6, typed);
        EXPECT_EQ(block(5), 60) << typed;
        EXPECT_EQ(w->Text10->text(), "60") << typed;
        ASSERT_EQ(responder.asked.size(), asked + 1) << typed;
        EXPECT_EQ(responder.asked.back().text,
                  "The timing reference angle should be 0 - 10 btdc, or 55 - 120 btdc");
        EXPECT_GT(beepcount(), beeps);
    }
    modified = 0;
    markuploaded();
    enter(w->Text10, w->Command6, "56.5");
    EXPECT_EQ(block(5), 56);
    EXPECT_EQ(modified, flagset);
    EXPECT_EQ(ecudirty, flagset);
    enter(w->Text10, w->Command6, "-3");
    EXPECT_EQ(block(5), 0);
    for (auto [typed, stored] : {std::pair{"10", 10}, {"55", 55}, {"120", 120}}) { // the ends
        enter(w->Text10, w->Command6, typed);
        EXPECT_EQ(block(5), stored) << typed;
    }

    // The 3-bit fields: centre trim bits 3-5, feedforward bits 0-2, the rest untouched. Each
    // entry flips every bit of its field, the bit above it being set.
    for (auto [i, shown, typed, k, stored] : {std::tuple{1, "6", "1", 11, 0xE9},
                                              {0, "5", "2", 11, 0xD1},
                                              {0, "2", "9", 11, 0xF9},
                                              {3, "4", "3", 15, 0x6B},
                                              {2, "5", "2", 15, 0x53}}) {
        EXPECT_EQ(w->fieldbox[i]->text(), shown) << i;
        enter(w->fieldbox[i], w->fieldbutton[i], typed);
        EXPECT_EQ(block(k), stored) << i << typed;
    }
    EXPECT_EQ(w->fieldbox[0]->text(), "7");
    // Each whole-byte box at its own address: the VCT offsets, gains and spreads.
    const std::tuple<const char *, const char *, int> bytes[] = {
        {"Text1", "Command2", 6},  {"Text11", "Command12", 7}, {"Text2", "Command3", 8},
        {"Text3", "Command4", 9},  {"Text4", "Command5", 10},  {"Text5", "Command7", 12},
        {"Text6", "Command8", 13}, {"Text7", "Command9", 14}};
    for (auto [box, button, k] : bytes)
        enter(w->findChild<QLineEdit *>(box), w->findChild<QPushButton *>(button),
              QString::number(30 + k));
    for (auto [box, button, k] : bytes)
        EXPECT_EQ(block(k), 30 + k) << box;
    for (const char *typed : {"256", "-1", "", "x"}) {
        const int beeps = beepcount();
        enter(w->bytebox[4], w->bytebutton[4], typed);
        EXPECT_EQ(block(10), 40) << typed;
        EXPECT_EQ(w->bytebox[4]->text(), "40") << typed;
        EXPECT_EQ(beepcount(), beeps + 1) << typed;
    }
    emit w->Combo3->activated(-1);
    EXPECT_EQ(block(4), 0);
    w->Combo3->setCurrentIndex(5);
    emit w->Combo3->activated(5);
    EXPECT_EQ(block(4), 5);

    w->Command1->click();
    EXPECT_EQ(responder.asked.back().text,
              "These settings must be downloaded before they will take effect");
    EXPECT_FALSE(loaded<frmTrig1>());
    const size_t asked = responder.asked.size();
    form<frmTrig1>()->reject(); // the close box reminds the tuner as "&Ok" does
    EXPECT_EQ(responder.asked.size(), asked + 1);
    EXPECT_EQ(responder.asked.back().text.left(18), "These settings mus");
    EXPECT_FALSE(loaded<frmTrig1>());
}

TEST_F(TriggerWindow, ABoxEnteredAgainUntouchedKeepsAByteOutsideWhatCanBeTyped) {
    block(3) = 5;
    block(5) = 30;
    frmTrig1 *w = form<frmTrig1>();
    w->Command24->click();
    w->Command6->click();
    EXPECT_EQ(block(3), 5);
    EXPECT_EQ(block(5), 30);
    EXPECT_TRUE(responder.asked.empty()); // no warning about the angle
}

TEST_F(TriggerWindow, ATypeBeyondAByteIsRefused) {
    QFile file(triggerfilepath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray("t|").repeated(300) + ":s|");
    file.close();
    block(1) = 7;
    frmTrig1 *w = form<frmTrig1>();
    ASSERT_EQ(w->Combo1->count(), 300);
    const int beeps = beepcount();
    w->Combo1->setCurrentIndex(256);
    emit w->Combo1->activated(256);
    EXPECT_EQ(block(1), 7); // not 256, which the download would cut to 0
    EXPECT_EQ(beepcount(), beeps + 1);
    w->Combo1->setCurrentIndex(255);
    emit w->Combo1->activated(255);
    EXPECT_EQ(block(1), 255);
}

TEST_F(TriggerWindow, ReturnInABoxStoresNothing) {
    frmTrig1 *w = form<frmTrig1>();
    w->show();                // a shown dialog would press its first button on Return
    w->Text10->setText("60"); // typed, not entered
    QTest::keyClick(w->bytebox[4], Qt::Key_Return);
    EXPECT_EQ(block(5), 0);
    EXPECT_TRUE(responder.asked.empty());
}

TEST(EdgePictures, TheChosenEdgesAreYellow) {
    for (auto [edge, yellow] : {std::pair{1, std::vector<double>{500, 1100, 1700}},
                                {2, {200, 800, 1400}},
                                {3, {200, 500, 800, 1100, 1400, 1700}}}) {
        RecordingCanvas canvas;
        drawedgepicture(canvas, edge);
        std::vector<double> shown;
        for (const Drawn &d : canvas.drawn)
            if (d.kind == Drawn::line && d.colour == 0x00FFFF) shown.push_back(d.x1);
        EXPECT_EQ(shown, yellow) << edge;
        EXPECT_EQ(canvas.drawn.size(), 14u);
        EXPECT_EQ(canvas.drawn[1].y1, 400); // the wave starts high, so 500 is a rising edge
    }
}
