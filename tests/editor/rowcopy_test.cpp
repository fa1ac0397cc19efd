#include "editfixture.h"
#include "editor/copyrange.h"
#include "editor/frmwarn2.h"
#include "editor/frmwarn3.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>

using namespace korvane;
using namespace korvane::test;

namespace {
class RowCopy : public Editing {
  protected:
    void SetUp() override
    {
        Editing::SetUp();
        fuel1links().copyrows = copyrows;
    }
    // Map 2 row r as the ECU holds it.
    QByteArray ecurow(int r) const
    {
        QByteArray row;
        for (int l = 0; l < 32; ++l) row += char(ecu.memory(0x4800 + 32 * r + l));
        return row;
    }
    // Every cell of map 2 as the ECU holds it equals the image's.
    void ecuholdsmap2() const
    {
        for (int r = 0; r < 32; ++r)
            for (int l = 0; l < 32; ++l)
                EXPECT_EQ(ecu.memory(0x4800 + 32 * r + l), curimage.rammaps[r][l]) << r << "," << l;
    }
};
} // namespace

TEST_F(RowCopy, OfflineCopyOnAPwmMapOffersItsRowsOnly)
{
    window->mnuPwm3D_Click(1); // map 41
    currpm = 5;
    for (int l = 0; l < 24; ++l) curimage.pwmmaps[24 + 5][l] = int16_t(l + 1);
    bool hidden = true;
    QColor current;
    whilemodal<frmWarn2>([&] { window->Command3_MouseDown(); }, [&](frmWarn2 &w) {
        for (int i = 24; i < 32; ++i) hidden = hidden && !w.Check1[i]->isVisibleTo(&w);
        current = w.Check1[5]->palette().color(QPalette::ButtonText);
        w.cmdOk->click();
    });
    EXPECT_TRUE(hidden);
    EXPECT_EQ(current, QColor(Qt::red));
    for (int r = 0; r < 24; ++r) EXPECT_EQ(curimage.pwmmaps[24 + r][23], 24) << r;
    EXPECT_EQ(cellchanged[8][23][0], 255);
    EXPECT_EQ(curimage.pwmmaps[48][23], 0); // map 42 untouched
    EXPECT_EQ(ecudirty, flagset);
}

TEST_F(RowCopy, OnlineCopyUpAfterALiveQuerySendsTheExactBytesAndChecksTheAnswers)
{
    goonline();
    window->mnuRamMapGroup_Click(1); // map 2
    for (int l = 0; l < 32; ++l) curimage.rammaps[10][l] = int16_t(200 - l);
    ecu.loadimage(curimage);
    calcmapsums();
    // The live rpm-row query of map 2 goes out alone just before the copy; its answer, column
    // 20, is the column the ECU trims, held from now on. The copies take row 10 as source.
    ecu.setbyte(104 + 2, 20);
    pollphase = 2;
    window->Timer1_Timer();
    window->Timer1->stop();
    ecu.clearreceived();
    ASSERT_EQ(currpm, 20);
    rpmhold = loadhold = prefon;
    curload = 5;
    window->cmdSlow_MouseDown();
    const auto copyrow10 = [](frmWarn3 &w) {
        w.Option1[10]->setChecked(true);
        w.cmdOk->click();
    };
    // A wrong echo of the row copies nothing.
    ecu.setwrongreply(10, 0);
    const int before = curimage.rammaps[11][0];
    whilemodal<frmWarn3>([&] { window->Command3_MouseDown(); }, copyrow10);
    EXPECT_EQ(takereceived(1), QByteArray("\x0a"));
    EXPECT_EQ(curimage.rammaps[11][0], before);
    EXPECT_EQ(notices("Copy command failed, you should re-upload"), 1);
    ecu.setwrongreply(-1, 0);
    // Whatever came of the copy, the ECU may trim row 10 now: the trim selects column 20 first
    // (106, 20, 49), then 128 + fine up + load 5.
    key(Qt::Key_PageUp);
    EXPECT_EQ(takereceived(4), QByteArray("j\x14"
                                          "1\x85"));
    ecuholdsmap2();

    whilemodal<frmWarn3>([&] { window->Command3_MouseDown(); }, [&](frmWarn3 &w) {
        EXPECT_TRUE(w.Option1[20]->isChecked());
        EXPECT_TRUE(w.Option2->isChecked());
        copyrow10(w);
    });
    EXPECT_EQ(takereceived(2), QByteArray("\x0a\x21")); // row 10, then 2 + 31: copy up
    for (int r = 11; r < 32; ++r) {
        EXPECT_EQ(curimage.rammaps[r][5], 195) << r;
        EXPECT_EQ(ecurow(r), ecurow(10)) << r;
    }
    EXPECT_NE(curimage.rammaps[9][5], 195);
    EXPECT_EQ(notices("Copy command failed, you should re-upload"), 1);
    ASSERT_EQ(mapsums[1] & 255, ecu.checksum(2)); // else the next trim opens the checksum window
    EXPECT_FALSE(window->Timer1->isActive()); // it was not running before
    key(Qt::Key_PageUp);
    EXPECT_EQ(takereceived(4), QByteArray("j\x14"
                                          "1\x85"));
    ecuholdsmap2();

    whilemodal<frmWarn3>([&] { window->Command3_MouseDown(); }, [&](frmWarn3 &w) {
        w.Option3->setChecked(true);
        copyrow10(w);
    });
    EXPECT_EQ(takereceived(2), QByteArray("\x0a\x29")); // row 10, then 2 + 39: copy down
    for (int r = 0; r < 10; ++r) {
        EXPECT_EQ(curimage.rammaps[r][5], 195) << r;
        EXPECT_EQ(ecurow(r), ecurow(10)) << r;
    }
    EXPECT_EQ(notices("Copy command failed, you should re-upload"), 1);

    // Online the PWM and AFR maps are refused before any byte goes out.
    window->mnuAFR_Click();
    ecu.clearreceived();
    window->Command3_MouseDown();
    EXPECT_FALSE(ecu.waitreceived(1, 50));
    EXPECT_EQ(notices("Row copy is not available online for this map"), 1);
}
