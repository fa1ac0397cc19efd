#include "editfixture.h"
#include "editor/delval.h"
#include "editor/frminput.h"
#include "editor/frmwarn5.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <array>

using namespace korvane;
using namespace korvane::test;

namespace {
class GridKeys : public Editing {
  protected:
    // Presses a key whose trim may open the checksum window; returns its two numbers, or
    // nothing when it stayed shut.
    QStringList trimwithwindow(Qt::Key k) {
        QStringList numbers;
        whilemodal<frmWarn5>([&] { key(k); },
                             [&](frmWarn5 &w) {
                                 numbers = {w.Label5->text(), w.Label7->text()};
                                 w.cmdOk->click();
                             });
        return numbers;
    }
};
} // namespace

TEST_F(GridKeys, OnlineTrimOfTheFuelMapSendsOneByteAndChecksTheSum) {
    goonline();
    holdat(4, 5);
    window->cmdFast_MouseDown();
    ASSERT_EQ(trimstep, 10);
    const int before = curimage.fuelmap[4][5];
    const int32_t sum = mapsums[0];

    EXPECT_TRUE(trimwithwindow(Qt::Key_PageUp).isEmpty());
    EXPECT_EQ(takereceived(1), QByteArray("\xA5")); // 128 + 32 (coarse up) + load 5
    EXPECT_EQ(curimage.fuelmap[4][5], before + 10);
    EXPECT_EQ(fuelcellatecu(4, 5), before + 10);
    EXPECT_EQ(mapsums[0], sum + 10);
    EXPECT_EQ(cellchanged[0][4][5], 255);
    EXPECT_EQ(modified, flagset);
    EXPECT_EQ(ecudirty, flagset);
    EXPECT_EQ(pollready, 0);
    EXPECT_FALSE(entrypending);

    // Fine step down: 128 + 64 + 5.
    window->cmdSlow_MouseDown();
    key(Qt::Key_PageDown);
    EXPECT_EQ(takereceived(1), QByteArray("\xC5"));
    EXPECT_EQ(fuelcellatecu(4, 5), before + 9);
    // Coarse step down, 128 + 96 + 5, and back up.
    window->cmdFast_MouseDown();
    key(Qt::Key_PageDown);
    EXPECT_EQ(takereceived(1), QByteArray("\xE5"));
    EXPECT_EQ(fuelcellatecu(4, 5), before - 1);
    key(Qt::Key_PageUp);
    EXPECT_EQ(takereceived(1), QByteArray("\xA5"));
    window->cmdSlow_MouseDown();

    // A reply other than the PC's sum opens the checksum window with both numbers.
    const int expected = (sum + 10) & 255;
    ecu.setwrongreply(0xC5, uint8_t(expected + 7));
    EXPECT_EQ(
        trimwithwindow(Qt::Key_PageDown),
        QStringList({QString::number((sum + 8) & 255), QString::number((expected + 7) & 255)}));
    ecu.setwrongreply(-1, 0);

    // A silent ECU is a failure even when the byte the link still holds is the expected one.
    ecu.setsilent(true);
    commrx = uint8_t((sum + 9) & 255);
    EXPECT_EQ(trimwithwindow(Qt::Key_PageUp),
              QStringList({QString::number((sum + 9) & 255), "no reply"}));
}

TEST_F(GridKeys, APgUpAfterAFailedSelectStepsTheSameCellOnBothSidesOrNeither) {
    goonline();
    holdat(4, 5);
    window->cmdSlow_MouseDown();
    // Right holds column 5 on the PC, but the ECU's confirmation is wrong.
    ecu.setwrongreply('0', 0);
    key(Qt::Key_Right);
    EXPECT_EQ(currpm, 5);
    EXPECT_EQ(notices("An error occured, try again"), 1);
    // A select that fails again steps neither side, and says so.
    const int before = curimage.fuelmap[5][5];
    ecu.clearreceived();
    key(Qt::Key_PageUp);
    EXPECT_EQ(takereceived(3), QByteArray("i\x05\x30"));
    EXPECT_FALSE(ecu.waitreceived(1, 50));
    EXPECT_EQ(curimage.fuelmap[5][5], before);
    // Once it works, the select goes before the trim, then trims go alone: 128 + 0 + load 5.
    ecu.setwrongreply(-1, 0);
    key(Qt::Key_PageUp);
    key(Qt::Key_PageUp);
    EXPECT_EQ(takereceived(5), QByteArray("i\x05\x30\x85\x85"));
    EXPECT_EQ(
        notices("The ECU did not confirm the map column: the cell was not changed, try again"), 1);
    for (int r = 4; r <= 5; ++r)
        for (int l = 0; l < 32; ++l)
            EXPECT_EQ(fuelcellatecu(r, l), curimage.fuelmap[r][l]) << r << "," << l;
}

TEST_F(GridKeys, AStepRefusedAtTheLimitBeepsAndSendsNothing) {
    goonline();
    window->mnuRamMapGroup_Click(3); // spark map, 0..50
    editready = flagset;
    holdat(2, 3);
    curimage.rammaps[64 + 2][3] = 50;
    const int32_t sum = mapsums[3];
    const int beeps = beepcount();
    key(Qt::Key_PageUp);
    EXPECT_EQ(curimage.rammaps[64 + 2][3], 50);
    EXPECT_EQ(beepcount(), beeps + 1);
    EXPECT_EQ(mapsums[3], sum);
    EXPECT_EQ(cellchanged[3][2][3], 255);
    EXPECT_FALSE(ecu.waitreceived(1, 50));

    // Right after a map switch online nothing is stepped until the live poll allows it.
    editready = 0;
    key(Qt::Key_PageDown);
    EXPECT_EQ(curimage.rammaps[64 + 2][3], 50);

    // The spark backup map trims like the others: 128 + 0 (fine up) + load 21, nothing pending.
    window->mnuRamMapGroup_Click(6);
    editready = flagset;
    window->cmdSlow_MouseDown();
    holdat(4, 21);
    key(Qt::Key_PageUp);
    EXPECT_EQ(takereceived(1), QByteArray("\x95"));
    EXPECT_FALSE(entrypending);
    // The limits themselves are reachable.
    for (const auto [from, direction, to] : {std::array{49, 1, 50}, std::array{1, -1, 0}}) {
        curimage.rammaps[160 + 2][3] = int16_t(from);
        int d = direction;
        delval(d, 3, 2, false);
        EXPECT_EQ(curimage.rammaps[160 + 2][3], to);
    }
}

TEST_F(GridKeys, SpaceRefusesDirectEntryWhereTheMapHasNone) {
    window->mnuCont1_Click(0); // map 8, a table, offline
    key(Qt::Key_Space);
    EXPECT_EQ(notices("Direct entry not available for this map offline"), 1);
    goonline();
    window->mnuPwm2D_Click(7); // map 39, the last table, online
    EXPECT_EQ(whilemodal<frmInput>([&] { key(Qt::Key_Space); }, [](frmInput &w) { w.reject(); }),
              0);
    EXPECT_EQ(notices("Direct entry not available for this map online"), 1);
}

TEST_F(GridKeys, EnterSendsTheEditedCellOfTablesAndPwmAndAfrMaps) {
    goonline();
    window->mnuCont2_Click(4); // map 20, settings row 28
    editready = flagset;
    key(Qt::Key_Right, Qt::NoModifier, 3);
    ASSERT_EQ(curload, 3);
    currpm = 9; // a table has one row, wherever the rpm-side cursor was left
    const int value = curimage.settings[28][3] + 1;
    key(Qt::Key_PageUp);
    EXPECT_TRUE(entrypending);
    EXPECT_FALSE(ecu.waitreceived(1, 30));
    // Moving away is refused until Enter.
    key(Qt::Key_Right);
    EXPECT_EQ(curload, 3);
    EXPECT_EQ(notices("You should press enter to complete each cell entry or group cell entry. "
                      "Please press enter after this message is unloaded to complete the cell "
                      "entry of group cell entry."),
              1);
    key(Qt::Key_Return);
    EXPECT_EQ(takereceived(70), writebytes({0x91, 0xC3, uint8_t(value)}));
    EXPECT_EQ(ecu.memory(0x11C3), value);
    EXPECT_FALSE(entrypending);

    // Map 41: the cell edited goes out, though the live poll moved the cursor meanwhile.
    window->mnuPwm3D_Click(1);
    editready = flagset;
    rpmhold = loadhold = prefon;
    currpm = 1;
    curload = 3;
    curimage.pwmmaps[24 + 1][3] = 9;
    key(Qt::Key_PageUp);
    currpm = 5;
    key(Qt::Key_Enter);
    EXPECT_EQ(takereceived(70), writebytes({0x95, 0x5B, 10}));
    // Three cells edited, the cursor moved between them; the second write times out after
    // the first went through: it and the third wait for the next Enter.
    for (int r = 5; r <= 7; ++r) {
        currpm = uint8_t(r);
        curimage.pwmmaps[24 + r][3] = uint8_t(10 * r - 30);
        key(Qt::Key_PageUp);
    }
    ecu.stallafter(4); // the replies to 'c', 'c', 'H' and the first write's end
    key(Qt::Key_Enter);
    EXPECT_EQ(takereceived(71), writebytes({0x95, 0xBB, 21}) + "c");
    EXPECT_TRUE(entrypending);
    EXPECT_EQ(responder.asked.back().text.toStdString(),
              "An programming error occurred, try again\nWaiting for "
              "Enter: PWM MAP 10 (26% X, 13% Y), (30% X, 13% Y)");
    ecu.stallafter(-1);
    ecu.clearreceived();
    key(Qt::Key_Enter);
    EXPECT_EQ(takereceived(140), writebytes({0x95, 0xD3, 31}) + writebytes({0x95, 0xEB, 41}));
    EXPECT_FALSE(entrypending);
    for (int r = 0; r < 24; ++r)
        for (int l = 0; l < 24; ++l)
            EXPECT_EQ(ecu.memory(0x1540 + 24 * r + l), curimage.pwmmaps[24 + r][l]);

    // Map 43; an ECU that answers 0 refused the write.
    window->mnuAFR_Click();
    editready = flagset;
    currpm = 2;
    curload = 5;
    curimage.afrmap[2][5] = 147;
    ecu.setrefusewrites(true);
    key(Qt::Key_PageDown);
    key(Qt::Key_Return);
    EXPECT_EQ(takereceived(70), writebytes({0x9A, 0x05, 146}));
    EXPECT_EQ(responder.asked.back().text.toStdString(),
              "An protection violation occured, the setting is "
              "password protected\nAFR target (750 rpm, 560 mmHg)");
    EXPECT_FALSE(entrypending); // a refusal is final: nothing is left for Enter to retry
    ecu.setrefusewrites(false);

    // Going offline with an entry unsent keeps it for the next download, and says which.
    key(Qt::Key_PageUp);
    window->mnucom1_Click();
    EXPECT_FALSE(entrypending);
    EXPECT_TRUE(syncwarningdue());
    EXPECT_EQ(responder.asked.back().text.toStdString(),
              "The cell entries waiting for Enter were not sent to "
              "the ECU. Download the map for them to take effect.\n"
              "AFR target (750 rpm, 560 mmHg)");
    goonline();

    // Maps 1..7 have no single write: Enter sends nothing.
    window->mnuRamMapGroup_Click(2);
    ecu.clearreceived();
    key(Qt::Key_Return);
    EXPECT_FALSE(ecu.waitreceived(1, 30));
}

TEST_F(GridKeys, AHeldReturnSendsTheCellOnceWhileAHeldPgUpStepsOnEachRepeat) {
    onpwmmap10(3, 5);
    curimage.pwmmaps[24 + 3][5] = 60;
    hold(window->mapgrid, Qt::Key_PageUp, 4);
    hold(window->mapgrid, Qt::Key_Return, 20);
    EXPECT_EQ(takereceived(70), writebytes({0x95, 0x8D, 65}));
    EXPECT_FALSE(ecu.waitreceived(1, 50));
    // Nothing waits: a fresh Return sends the cursor cell, once however long it is held.
    hold(window->mapgrid, Qt::Key_Return, 20);
    EXPECT_EQ(takereceived(70), writebytes({0x95, 0x8D, 65}));
    EXPECT_FALSE(ecu.waitreceived(1, 50));
}

TEST_F(GridKeys, ARefusedDirectEntryIsFinalAndLocksNothing) {
    onpwmmap10(3, 5);
    curimage.pwmmaps[24 + 4][5] = 60;
    ecu.loadimage(curimage);
    ecu.setrefuseaddress(0x158D);
    whilemodal<frmInput>([&] { key(Qt::Key_Space); },
                         [](frmInput &w) {
                             QTest::keyClicks(w.Text1, "50");
                             QTest::keyClick(w.Text1, Qt::Key_Return);
                         });
    EXPECT_TRUE(entrypending);
    key(Qt::Key_Return);
    EXPECT_EQ(takereceived(70), writebytes({0x95, 0x8D, 125}));
    EXPECT_EQ(responder.asked.back().text.toStdString(),
              "An protection violation occured, the setting is "
              "password protected\nPWM MAP 10 (13% X, 22% Y)");
    EXPECT_GE(responder.asked.back().ticks, 80); // long enough to read the cells it names
    EXPECT_FALSE(entrypending);
    EXPECT_EQ(curimage.pwmmaps[24 + 3][5], 125); // the PC keeps the value

    // The cursor moves on, and the next cell reaches the ECU with one Enter.
    key(Qt::Key_Right);
    EXPECT_EQ(currpm, 4);
    key(Qt::Key_PageUp);
    key(Qt::Key_Return);
    EXPECT_EQ(takereceived(70), writebytes({0x95, 0xA5, 61}));
    EXPECT_FALSE(entrypending);
    for (int r = 0; r < 24; ++r)
        for (int l = 0; l < 24; ++l)
            EXPECT_EQ(ecu.memory(0x1540 + 24 * r + l) == curimage.pwmmaps[24 + r][l],
                      r != 3 || l != 5);
    // Nothing waits, but the ECU lacks a value: the next connection must warn.
    window->mnucom1_Click();
    EXPECT_TRUE(syncwarningdue());
    goonline();
    editready = flagset;

    // Closing the window with an entry unsent says which cell never reached the ECU.
    key(Qt::Key_PageUp);
    window->close();
    EXPECT_EQ(responder.asked.back().text.toStdString(),
              "The cell entries waiting for Enter were not sent to "
              "the ECU. Download the map for them to take effect.\n"
              "PWM MAP 10 (17% X, 22% Y)");
    EXPECT_GE(responder.asked.back().ticks, 80);
}

TEST_F(GridKeys, ArrowsClampAtTheEdgesInEveryLayout) {
    // Roam map on a 3D map: Right/Left step the rpm side, Up/Down the load side.
    currpm = curload = 0;
    key(Qt::Key_Left);
    key(Qt::Key_Down);
    EXPECT_EQ(currpm, 0);
    EXPECT_EQ(curload, 0);
    key(Qt::Key_Right, Qt::ShiftModifier, 33); // Shift+arrow is a plain arrow
    key(Qt::Key_Up, Qt::NoModifier, 33);
    EXPECT_EQ(currpm, 31);
    EXPECT_EQ(curload, 31);
    EXPECT_EQ(window->mapgrid->currentrow(), 31);

    // Roam grid: the grid's rows are the rpm side.
    window->Command14_MouseDown();
    window->mnuPwm3D_Click(1); // 24 x 24
    key(Qt::Key_Right, Qt::NoModifier, 30);
    key(Qt::Key_Down, Qt::NoModifier, 30);
    EXPECT_EQ(curload, 23);
    EXPECT_EQ(currpm, 23);
    key(Qt::Key_Up);
    EXPECT_EQ(currpm, 22);

    // A table ignores Up and Down, whatever the roam mode.
    window->Command15_MouseDown();
    window->mnuCont2_Click(4);
    key(Qt::Key_Right, Qt::NoModifier, 20);
    key(Qt::Key_Up);
    key(Qt::Key_Down);
    EXPECT_EQ(curload, 15);
    EXPECT_EQ(currpm, 0);

    // Keypad digits are no step buttons; Tab leaves the focus on the grid.
    const int beeps = beepcount();
    window->cmdFast_MouseDown();
    key(Qt::Key_9, Qt::KeypadModifier);
    EXPECT_EQ(trimstep, 2);
    EXPECT_EQ(beepcount(), beeps);
    key(Qt::Key_9);
    EXPECT_EQ(trimstep, 1);
    EXPECT_EQ(beepcount(), beeps + 1);
    key(Qt::Key_Tab);
    EXPECT_TRUE(window->mapgrid->hasFocus());
}

TEST_F(GridKeys, KeysOnTrackingAxesHoldThemAndTellTheEcu) {
    prefs[6] = prefs[7] = prefs[8] = prefs[9] = prefon;
    goonline();
    currpm = 7;
    curload = 4;
    // Roam map, map 1: Right meets the tracking rpm side and only holds it.
    key(Qt::Key_Right);
    EXPECT_NE(rpmhold, 0);
    EXPECT_EQ(currpm, 7);
    EXPECT_EQ(takereceived(3), QByteArray("i\x07\x30"));
    key(Qt::Key_Up);
    EXPECT_NE(loadhold, 0);
    EXPECT_EQ(curload, 4);
    // Held now: the next arrows move, and the rpm side tells the ECU even at its edge.
    currpm = 31;
    key(Qt::Key_Right);
    EXPECT_EQ(currpm, 31);
    EXPECT_EQ(takereceived(3), QByteArray("i\x1f\x30"));
    key(Qt::Key_Up);
    EXPECT_EQ(curload, 5);
    EXPECT_FALSE(ecu.waitreceived(1, 30)); // load moves never reach the ECU

    // F1 on map 2 toggles both back to tracking, then F1 again holds and selects.
    window->mnuRamMapGroup_Click(1);
    ecu.clearreceived();
    key(Qt::Key_F1);
    EXPECT_EQ(rpmhold, 0);
    currpm = 13;
    key(Qt::Key_F1);
    EXPECT_NE(rpmhold, 0);
    EXPECT_EQ(takereceived(3), QByteArray("j\x0d\x31"));
}

TEST_F(GridKeys, CtrlArrowsGrowAGroupThatPlainKeysEnd) {
    currpm = 3;
    curload = 4;
    key(Qt::Key_Right, Qt::ControlModifier, 2);
    key(Qt::Key_Up, Qt::ControlModifier);
    EXPECT_TRUE(groupactive);
    EXPECT_EQ(grouprect[0], 4);
    EXPECT_EQ(grouprect[1], 3);
    EXPECT_EQ(grouprect[2], 5);
    EXPECT_EQ(grouprect[3], 5);
    EXPECT_EQ(currpm, 3);
    key(Qt::Key_Escape);
    EXPECT_FALSE(groupactive);
    EXPECT_TRUE(window->isVisible()); // Esc belongs to the grid, not to the dialog

    // Ctrl+arrow on a table changes nothing.
    window->mnuCont1_Click(0);
    key(Qt::Key_Right, Qt::ControlModifier);
    EXPECT_FALSE(groupactive);
    EXPECT_EQ(curload, 0);
}

TEST_F(GridKeys, VCyclesTheCamTimingViewOnlyOnMap40Online) {
    goonline();
    window->mnuPwm3D_Click(0);
    curimage.settings[13][11] = 1;
    vctindex = 7;
    key(Qt::Key_V, Qt::NoModifier, 9);
    EXPECT_EQ(vctview, 9);
    EXPECT_EQ(vctindex, 7);
    key(Qt::Key_V);
    EXPECT_EQ(vctview, 0);
    EXPECT_EQ(vctindex, 0);
    key(Qt::Key_V);
    key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(vctview, 1);
    window->mnuPwm3D_Click(1);
    vctview = 4;
    key(Qt::Key_V);
    EXPECT_EQ(vctview, 0);
}
