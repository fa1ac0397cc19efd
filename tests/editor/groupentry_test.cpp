#include "editfixture.h"
#include "editor/frmwarn8.h"

#include <QProgressBar>

using namespace korvane;
using namespace korvane::test;

namespace {
const QString multicell = "A multi-cell error occurred, you should upload again to synchronise maps";

class GroupEntry : public Editing {
  protected:
    // A group of 3 rpm columns from rpm 2 by 4 loads from load 4 (roam map: Right is rpm).
    void group3by4()
    {
        currpm = 2;
        curload = 4;
        key(Qt::Key_Right, Qt::ControlModifier, 2);
        key(Qt::Key_Up, Qt::ControlModifier, 3);
        ASSERT_TRUE(groupactive);
    }
    static QByteArray select(int row) { return QByteArray("i") + char(row) + "0"; }
    static int countat(const QByteArray &bytes, bool trims)
    {
        return int(std::count_if(bytes.begin(), bytes.end(),
                                 [trims](char b) { return (uint8_t(b) >= 0x80) == trims; }));
    }
};
} // namespace

TEST_F(GroupEntry, AGroupOfTheFuelMapIsTrimmedColumnByColumnAndStopsAtTheFirstError)
{
    goonline();
    group3by4();
    const int before = curimage.fuelmap[2][6];
    key(Qt::Key_PageUp);
    const QByteArray column = QByteArray("\x84\x85\x86\x87");
    EXPECT_EQ(takereceived(21), select(2) + column + select(3) + column + select(4) + column);
    EXPECT_NE(rpmhold, 0);
    EXPECT_NE(loadhold, 0);
    EXPECT_EQ(currpm, 4);
    EXPECT_TRUE(groupactive);
    EXPECT_EQ(curimage.fuelmap[2][6], before + 1);
    for (int r = 2; r <= 4; ++r)
        for (int l = 4; l <= 7; ++l) EXPECT_EQ(ecu.memory(0x4000 + 64 * r + 2 * l + 1), curimage.fuelmap[r][l] & 255);

    // A wrong checksum on the third cell: two cells done, the rest untouched, one message.
    ecu.setwrongreply(0x86, 0);
    const int column3 = curimage.fuelmap[3][4];
    key(Qt::Key_PageUp);
    EXPECT_EQ(takereceived(6), select(2) + "\x84\x85\x86");
    EXPECT_EQ(curimage.fuelmap[2][7], before + 1);
    EXPECT_EQ(curimage.fuelmap[3][4], column3);
    EXPECT_EQ(notices(multicell), 1);
    ecu.setwrongreply(-1, 0);

    // A failed map select stops the run before any trim reaches the wrong column.
    ecu.setwrongreply(48, 0);
    key(Qt::Key_PageUp);
    EXPECT_EQ(takereceived(3), select(2));
    EXPECT_FALSE(ecu.waitreceived(1, 50));
    EXPECT_EQ(notices(multicell), 2);
    EXPECT_EQ(notices("An error occured, try again"), 0);
}

TEST_F(GroupEntry, EnterWritesAPwmGroupOnceWithItsProgress)
{
    goonline();
    window->mnuPwm3D_Click(0); // map 40
    editready = flagset;
    group3by4();
    key(Qt::Key_PageUp);
    EXPECT_TRUE(entrypending);
    EXPECT_FALSE(ecu.waitreceived(1, 30));

    std::vector<int> progress;
    bool connected = false;
    whilemodal<frmWarn8>([&] { key(Qt::Key_Return); }, [&](frmWarn8 &w) {
        if (connected) return;
        connected = true;
        QObject::connect(w.ProgressBar1, &QProgressBar::valueChanged,
                         [&](int v) { progress.push_back(v); });
    });
    EXPECT_EQ(progress, std::vector<int>({8, 16, 24, 33, 41, 49, 57, 66, 74, 82, 90}));
    const QByteArray sent = takereceived(12 * 70);
    EXPECT_FALSE(ecu.waitreceived(1, 400)); // the work ran once
    ASSERT_EQ(sent.size(), 12 * 70);
    // Column by column: rpm 2 loads 4..7 first, at 0x1300 + 24 r + l.
    EXPECT_EQ(sent.left(70), writebytes({0x93, 0x34, uint8_t(curimage.pwmmaps[2][4])}));
    EXPECT_EQ(sent.mid(4 * 70, 70), writebytes({0x93, 0x4C, uint8_t(curimage.pwmmaps[3][4])}));
    for (int r = 2; r <= 4; ++r)
        for (int l = 4; l <= 7; ++l) EXPECT_EQ(ecu.memory(0x1300 + 24 * r + l), curimage.pwmmaps[r][l]);
    EXPECT_FALSE(groupactive);
    EXPECT_FALSE(entrypending);

    // With single-setting writes held back nothing goes out and the group stays pending.
    group3by4();
    key(Qt::Key_PageDown);
    livewrite = 0;
    key(Qt::Key_Return);
    EXPECT_FALSE(ecu.waitreceived(1, 400));
    EXPECT_TRUE(entrypending);
    EXPECT_EQ(ecudirty, flagset);
    // The group has ended; its cells still wait, and the next Enter sends them all.
    livewrite = flagset;
    key(Qt::Key_Return);
    EXPECT_EQ(takereceived(12 * 70).size(), 12 * 70);
    for (int r = 2; r <= 4; ++r)
        for (int l = 4; l <= 7; ++l) EXPECT_EQ(ecu.memory(0x1300 + 24 * r + l), curimage.pwmmaps[r][l]);
    EXPECT_FALSE(entrypending);
}

TEST_F(GroupEntry, ARefusedCellInAPwmGroupStopsNeitherTheGroupNorTheKeys)
{
    goonline();
    window->mnuPwm3D_Click(1); // map 41 at 0x1540, 24 cells a row
    editready = flagset;
    for (int r = 2; r <= 4; ++r)
        for (int l = 4; l <= 7; ++l) curimage.pwmmaps[24 + r][l] = 20;
    ecu.loadimage(curimage);
    group3by4();
    key(Qt::Key_PageUp);
    ecu.setrefuseaddress(0x158D); // cell (3, 5), the sixth of the twelve
    whilemodal<frmWarn8>([&] { key(Qt::Key_Return); }, [](frmWarn8 &) {});
    const QByteArray sent = takereceived(12 * 70);
    ASSERT_EQ(sent.size(), 12 * 70);
    EXPECT_EQ(sent.mid(5 * 70, 70), writebytes({0x95, 0x8D, 21}));
    EXPECT_EQ(sent.mid(11 * 70, 70), writebytes({0x95, 0xA7, 21}));
    for (int r = 0; r < 24; ++r)
        for (int l = 0; l < 24; ++l)
            EXPECT_EQ(ecu.memory(0x1540 + 24 * r + l),
                      r == 3 && l == 5 ? 20 : curimage.pwmmaps[24 + r][l]);
    EXPECT_TRUE(responder.wasasked("password protected\nPWM MAP 10 (13% X, 22% Y)"));
    EXPECT_FALSE(entrypending);
    EXPECT_FALSE(groupactive);
    key(Qt::Key_Right);
    EXPECT_EQ(currpm, 5);

    // Twelve cells waiting when the port closes: the first three by name, then the count.
    group3by4();
    key(Qt::Key_PageUp);
    window->mnucom1_Click();
    EXPECT_EQ(responder.asked.back().text.toStdString(),
              "The cell entries waiting for Enter were not sent to the ECU. Download the map for "
              "them to take effect.\nPWM MAP 10 (9% X, 17% Y), (9% X, 22% Y), (9% X, 26% Y) "
              "and 9 more");
}

TEST_F(GroupEntry, InterpolatedPwmCellsWaitForEnterThroughThePreferences)
{
    goonline();
    window->mnuPwm3D_Click(1); // map 41 at 0x1540, 24 cells a row
    editready = flagset;
    for (int r = 2; r <= 4; ++r) {
        curimage.pwmmaps[24 + r][4] = 10;
        curimage.pwmmaps[24 + r][5] = curimage.pwmmaps[24 + r][6] = 0;
        curimage.pwmmaps[24 + r][7] = 40;
    }
    ecu.loadimage(curimage);
    group3by4();
    key(Qt::Key_F5);
    EXPECT_FALSE(ecu.waitreceived(1, 30));
    // The preferences end the group; the interpolated cells stay pending all the same.
    window->mnuPrefs_Click();
    EXPECT_FALSE(groupactive);
    EXPECT_TRUE(entrypending);
    key(Qt::Key_Return);
    EXPECT_EQ(takereceived(6 * 70),
              writebytes({0x95, 0x75, 20}) + writebytes({0x95, 0x76, 30}) +
                  writebytes({0x95, 0x8D, 20}) + writebytes({0x95, 0x8E, 30}) +
                  writebytes({0x95, 0xA5, 20}) + writebytes({0x95, 0xA6, 30}));
    for (int r = 0; r < 24; ++r)
        for (int l = 0; l < 24; ++l) EXPECT_EQ(ecu.memory(0x1540 + 24 * r + l), curimage.pwmmaps[24 + r][l]);
    EXPECT_FALSE(entrypending);
}

TEST_F(GroupEntry, InterpolationAlongRpmTrimsEachColumnItSelects)
{
    goonline();
    window->mnuRamMapGroup_Click(1); // map 2 at 0x4800, 32 bytes a row
    editready = flagset;
    window->cmdSlow_MouseDown();
    for (int l = 4; l <= 7; ++l) {
        curimage.rammaps[2][l] = curimage.rammaps[3][l] = curimage.rammaps[4][l] = 100;
        curimage.rammaps[5][l] = 130;
    }
    ecu.loadimage(curimage);
    calcmapsums();
    currpm = 2;
    curload = 4;
    key(Qt::Key_Right, Qt::ControlModifier, 3);
    key(Qt::Key_Up, Qt::ControlModifier, 3);
    key(Qt::Key_F6);
    // First pass: columns 2 and 5 are the ends; 3 and 4 step their four loads up by one.
    const QByteArray sent = takereceived(21 * 12 + 4 * 10 + 4 * 20);
    EXPECT_EQ(sent.left(26), QByteArray("j\x02\x31j\x03\x31\x84\x85\x86\x87j\x04\x31\x84\x85\x86\x87j\x05\x31j\x02\x31j\x03\x31"));
    EXPECT_EQ(curimage.rammaps[3][6], 110);
    EXPECT_EQ(curimage.rammaps[4][6], 120);
    for (int r = 0; r < 32; ++r)
        for (int l = 0; l < 32; ++l) EXPECT_EQ(ecu.memory(0x4800 + 32 * r + l), curimage.rammaps[r][l]);
    EXPECT_EQ(notices(multicell), 0);
}

TEST_F(GroupEntry, InterpolationAlongLoadReachesItsTargetsWithoutOscillating)
{
    // One rpm column, loads 0..4, from 100 to 200.
    auto setrow = [](int middle) {
        curimage.fuelmap[3][0] = 100;
        for (int l = 1; l <= 3; ++l) curimage.fuelmap[3][l] = middle;
        curimage.fuelmap[3][4] = 200;
    };
    auto group = [this] {
        key(Qt::Key_Escape);
        currpm = 3;
        curload = 0;
        key(Qt::Key_Up, Qt::ControlModifier, 4);
    };
    setrow(0);
    group();
    key(Qt::Key_F5);
    EXPECT_EQ(curimage.fuelmap[3][1], 125);
    EXPECT_EQ(curimage.fuelmap[3][2], 150);
    EXPECT_EQ(curimage.fuelmap[3][3], 175);
    EXPECT_EQ(cellchanged[0][3][2], 255);
    EXPECT_EQ(modified, flagset);

    // Online the cells move by trims of 10 and stop where the next step would overshoot.
    setrow(100);
    ecu.loadimage(curimage);
    calcmapsums();
    goonline();
    window->cmdFast_MouseDown();
    group();
    key(Qt::Key_F5);
    const QByteArray sent = takereceived(21 * 3 + 14);
    EXPECT_EQ(countat(sent, true), 2 + 5 + 7);
    EXPECT_EQ(countat(sent, false), 21 * 3); // one select of column 3 a pass
    EXPECT_EQ(curimage.fuelmap[3][1], 120);
    EXPECT_EQ(curimage.fuelmap[3][2], 150);
    EXPECT_EQ(curimage.fuelmap[3][3], 170);
    for (int l = 0; l <= 4; ++l) EXPECT_EQ(ecu.memory(0x4000 + 64 * 3 + 2 * l + 1), curimage.fuelmap[3][l] & 255);
    EXPECT_EQ(notices(multicell), 0);
}
