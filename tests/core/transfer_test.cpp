// The download and upload windows against the simulated ECU: the bytes on the wire, the image
// they leave behind, and every way a transfer can fail.
#include "core/linestate.h"
#include "core/buildprofile.h"
#include "core/calimage.h"
#include "core/flags.h"
#include "core/frmdown1.h"
#include "core/frmup1.h"
#include "core/linecheck.h"
#include "core/mapfile.h"
#include "core/prefs.h"
#include "core/transferport.h"
#include "core/transferwindow.h"
#include "core/upload.h"
#include "maptestkit.h"
#include "platform/beep.h"
#include "platform/forms.h"
#include "platform/serialport.h"
#include "responder.h"
#include "simecu.h"
#include "tempfolder.h"

#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QTest>
#include <QLabel>
#include <QProgressBar>
#include <gtest/gtest.h>

using namespace korvane;
using namespace korvane::test;

namespace {
class Transfer : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(ecu.ok());
        setbuildprofile();
        inittables();
        comport = 1;
        uploadmode = 1;
        curimage = image;
        mapfilename = "mine.s20";
        markedited();
    }
    void TearDown() override {
        unload<frmDown1>();
        unload<frmUp1>();
    }
    // Runs a download; returns the bytes the ECU received.
    QByteArray download() {
        ecu.clearreceived();
        form<frmDown1>()->Command1_Click();
        return ecu.received();
    }
    QString upload(bool boot = false) {
        frmUp1 *window = form<frmUp1>();
        window->Check1->setChecked(boot);
        window->Command2_Click();
        return loaded<frmUp1>() ? window->Label2->text() : QString("unloaded");
    }
    bool ecuholds(const calimage &want) {
        const std::vector<uint8_t> bytes = ecuorder(want);
        for (int i = 0; i < imagebytes; ++i)
            if (ecu.memory(ecuorderaddress(i)) != bytes[i]) return false;
        return true;
    }

    TempProgramFolder folder;
    SimEcu ecu{1};
    Responder responder;
    calimage image = randomimage(7);
};
} // namespace

TEST_F(Transfer, DownloadWritesTheWholeImageAndKeepsTheFlags) {
    const QByteArray wire = download();
    EXPECT_EQ(form<frmDown1>()->Label1->text(), "Download complete");
    EXPECT_EQ(form<frmDown1>()->ProgressBar1->value(), 100);
    EXPECT_FALSE(form<frmDown1>()->MSComm1->PortOpen());
    EXPECT_TRUE(ecuholds(image));
    EXPECT_EQ(modified, flagset);
    EXPECT_EQ(ecudirty, flagset);

    // 'B', the head of the write sequence, 'V', then line 0 at 0x1000 with settings(0, *).
    ASSERT_EQ(wire.size(), 1 + 128 + 1 + 768 * 19 + 1 + 3);
    EXPECT_EQ(wire.left(5), QByteArray("\x42\x0E\x1F\x95\x77", 5));
    EXPECT_EQ(wire.mid(126, 4), QByteArray("\x03\x42\x4A\x56", 4));
    EXPECT_EQ(wire.mid(130, 3), QByteArray("\x66\x10\x00", 3));
    EXPECT_EQ(uint8_t(wire[133]), image.settings[0][0]);
    EXPECT_EQ(wire.mid(130 + 255 * 19, 3), QByteArray("\x66\x1F\xF0", 3));
    EXPECT_EQ(uint8_t(wire[130 + 255 * 19 + 3]), image.afrmap[49][16]);
    EXPECT_EQ(wire.mid(130 + 256 * 19, 3), QByteArray("\x66\x40\x00", 3));
    EXPECT_EQ(uint8_t(wire[130 + 256 * 19 + 3]), image.fuelmap[0][0] >> 8);
    EXPECT_EQ(uint8_t(wire[130 + 256 * 19 + 4]), image.fuelmap[0][0] & 255);
    EXPECT_EQ(wire.mid(130 + 767 * 19, 3), QByteArray("\x66\x5F\xF0", 3));
    EXPECT_EQ(wire.right(4), QByteArray("\x66\x00\x00\x00", 4));

    // The pauses the ECU needs, on its clock (ms). Each is timed from a byte the ECU answered
    // before the pause began, so a busy machine can only lengthen what is measured.
    const std::vector<double> at = ecu.receivedms();
    ASSERT_EQ(at.size(), size_t(wire.size()));
    const auto gap = [&at](int from, int to) { return at[size_t(to)] - at[size_t(from)]; };
    EXPECT_GE(gap(0, 128), 127 * 0.1);      // 'B' to the last byte of the head: P1 each
    EXPECT_GE(gap(0, 129), 128 * 0.1 + 30); // to 'V': P2 after the head
    EXPECT_GE(gap(129, 130), 600);          // 'V' to the first line: P3
    EXPECT_GE(gap(14721, 14722), 10);       // the last line to the closing 'f': P4
    EXPECT_GE(gap(14722, 14725), 2 * 30);   // P2 after each closing zero

    // The PC's checksums are the ECU's again: a trim checked against them would agree.
    mapsums[0] += 5;
    download();
    for (int m = 1; m <= 7; ++m)
        EXPECT_EQ(uint8_t(mapsums[m - 1]), ecu.checksum(m)) << m;
}

TEST_F(Transfer, DownloadStopsAtTheFailingStepAndSendsNothingMore) {
    struct Case {
        ReplyFault fault;
        const char *text;
        int sent; // bytes the ECU received
        bool beeps;
    } cases[] = {
        {{0, true}, "Download failed: no reply from the ECU", 1, true},
        {{1, true}, "Download failed: no reply from the ECU", 130, true},
        {{1, false, 0x12}, "Download failed at serial start prompt", 130, true},
        {{2 + 2 * 300, false, 0x12},
         "Download failed at send line prompt",
         130 + 300 * 19 + 1,
         false},
        {{3 + 2 * 300, true}, "Download failed at end line prompt", 130 + 301 * 19, false},
    };
    comport = 2;
    for (const Case &c : cases) {
        SimEcu fresh(2); // each case starts on an ECU that waits for a command
        fresh.setreplyfault(c.fault);
        const int beeps = beepcount();
        form<frmDown1>()->Command1_Click();
        const QByteArray wire = fresh.received();
        frmDown1 *window = form<frmDown1>();
        EXPECT_EQ(window->Label1->text(), c.text);
        EXPECT_EQ(wire.size(), c.sent) << c.text;
        EXPECT_EQ(window->ProgressBar1->value(), 0) << c.text;
        EXPECT_EQ(beepcount() - beeps, c.beeps ? 1 : 0) << c.text;
        EXPECT_FALSE(window->MSComm1->PortOpen());
        EXPECT_TRUE(loaded<frmDown1>());
    }
    // A fuel cell that does not fit two bytes sends nothing at all.
    comport = 1;
    curimage.fuelmap[3][3] = 70000;
    EXPECT_EQ(download().size(), 0);
    EXPECT_EQ(form<frmDown1>()->Label1->text(),
              "Unknown problem occured: a map value does not fit the ECU's bytes");
    // A port that will not open says why.
    comport = 99; // nothing linked, no /dev/ttyS98
    download();
    EXPECT_EQ(form<frmDown1>()->Label1->text(),
              "Unknown problem occured: /dev/ttyS98: No such file or directory");
    // A long reason (a port deep in a home folder) still shows its last line: the status text
    // shrinks to fit its box.
    frmDown1 *window = form<frmDown1>();
    const QString longreason = "Unknown problem occured: /home/a-tuner-with-a-long-name/.local/share/"
                               "korvane/com14: No such file or directory";
    viewon(window->Label1, window->ProgressBar1).status(longreason);
    QLabel *status = window->Label1;
    EXPECT_EQ(status->text(), longreason);
    EXPECT_LE(status->fontMetrics()
                  .boundingRect(QRect(0, 0, status->width(), 1000), Qt::TextWordWrap, longreason)
                  .height(),
              status->height());
}

TEST_F(Transfer, UploadRoundTripsTheImageButForCappedFuelAndTheLastAfrColumn) {
    image.fuelmap[0][0] = 39 * 256 + 'b'; // 'b' and 'u' inside the data are data
    image.fuelmap[0][1] = 'u' * 256;
    storecomments(image, "round trip"); // the start-up window shows only printable comments
    curimage = image;
    download();
    curimage = randomimage(99);
    curimage.afrmap[50][4] = 77;
    // Unsaved edits are replaced only when the tuner agrees: Cancel sends nothing.
    ecu.clearreceived();
    responder.answercancel();
    EXPECT_EQ(upload(), "");
    EXPECT_TRUE(responder.wasasked(
        "Discard the changes made since the calibration was loaded or uploaded?"));
    EXPECT_TRUE(ecu.received().isEmpty());
    EXPECT_EQ(curimage.afrmap[50][4], 77);
    ecu.sendstale("bbb\x01"); // stale input must not pass for the prompt or the data
    ecu.setreplyfault({0, false, -1, {'b', 'u', 'b', 'u'}}); // the ECU may repeat its prompt
    EXPECT_EQ(upload(), "unloaded");
    EXPECT_EQ(ecu.received().right(1), QByteArray("J"));

    calimage expected = image;
    for (auto &row : expected.fuelmap)
        for (int32_t &cell : row)
            if (cell >> 8 > 100) cell = 100 * 256 + (cell & 255);
    expected.afrmap[50][4] = 77;
    EXPECT_TRUE(sameimage(curimage, expected));
    EXPECT_EQ(curimage.fuelmap[0][0], 39 * 256 + 'b');
    EXPECT_EQ(modified, 0);
    EXPECT_EQ(ecudirty, 0);
    EXPECT_EQ(mapfilename, folder.file("untitled.s20"));
    EXPECT_FALSE(QFile::exists(folder.file("untitled.s20")));

    ecu.clearreceived();
    ecu.setmemory(0x4000, 0x61);
    ecu.setreplyfault({0, false, -1, {'b'}, false, {'b', 0x11}}); // bytes after the sum
    EXPECT_EQ(upload(true), "unloaded");
    EXPECT_EQ(ecu.received(), QByteArray("N"));
    EXPECT_EQ(curimage.fuelmap[0][0], 0x61 * 256 + 'b');
    EXPECT_EQ(curimage.afrmap[49][31], expected.afrmap[49][31]);
}

TEST_F(Transfer, FailedUploadLeavesImageFlagsAndNameAlone) {
    ecu.loadimage(randomimage(3));
    ecu.setmemory(0x4000, 12);
    ecu.setmemory(0x4001, 'u');
    struct Case {
        ReplyFault fault;
        long stall;
        const char *stage;
    } cases[] = {
        {{0, true}, -1, "Upload prompt error"},
        {{}, 50, "Upload count byte error"},
        {{0, false, -1, {}, true}, -1, "Upload CRC error"},
        {{0, false, -1, {}, true, {0, 0}}, -1, "Upload CRC error"}, // the sum is not the last
        // A lost 'u' behind a leading 'u': the sums agree only when read on from that 'u'.
        {{.reply = 0, .insert = {'u'}, .lose = 2}, -1, "Upload CRC error"},
        {{.reply = 0, .insert = {'b', 'u'}, .lose = 2}, -1, "Upload CRC error"},
    };
    for (const Case &c : cases) {
        ecu.setreplyfault(c.fault);
        ecu.stallafter(c.stall);
        responder.asked.clear();
        EXPECT_EQ(upload(), "Upload failed");
        ASSERT_GE(responder.asked.size(), 2u); // the question on unsaved edits, then the stage
        EXPECT_EQ(responder.asked[1].text, c.stage);
        EXPECT_TRUE(sameimage(curimage, image));
        EXPECT_EQ(modified, flagset);
        EXPECT_EQ(ecudirty, flagset);
        EXPECT_EQ(mapfilename, "mine.s20");
        EXPECT_TRUE(form<frmUp1>()->MSComm1->PortOpen()); // kept for the next try
    }
    // After a failure with more than 100 bytes still waiting the port is closed.
    ecu.stallafter(150);
    responder.asked.clear();
    EXPECT_EQ(upload(), "Upload failed");
    ASSERT_EQ(responder.asked.size(), 3u);
    EXPECT_EQ(responder.asked[2].text, "Upload exit purge overflow");
    EXPECT_FALSE(form<frmUp1>()->MSComm1->PortOpen());

    // A port that will not open, and a line that goes away, say why.
    comport = 99;
    responder.asked.clear();
    EXPECT_EQ(upload(), "Upload failed");
    EXPECT_TRUE(responder.wasasked("Error opening port: /dev/ttyS98: No such file or directory"));
    comport = 1;
    ASSERT_EQ(opentransferport(*form<frmUp1>()->MSComm1, 1, 12300), QString());
    ecu.hangup();
    responder.asked.clear();
    EXPECT_EQ(upload(), "Upload failed");
    EXPECT_TRUE(
        responder.wasasked("Upload prompt error: the line was hung up or the device removed"));
    EXPECT_TRUE(sameimage(curimage, image));
}

TEST_F(Transfer, SignatureShowsFourBytesOrNoReplyAndClosesThePort) {
    frmUp1 *window = form<frmUp1>();
    window->Check2->setChecked(true);
    ecu.setquery('F', {1, 2, 3, 4});
    ecu.sendstale("\x09\x09");
    window->Command2_Click();
    EXPECT_EQ(window->Label4->text(), "ECU firmware: B0,1,2,3,4");
    EXPECT_EQ(ecu.received(), QByteArray("F"));
    EXPECT_FALSE(window->MSComm1->PortOpen());

    ecu.setsilent(true);
    ecu.sendstale("\x09\x09\x09\x09");
    window->Command2_Click();
    EXPECT_EQ(window->Label4->text(), "ECU firmware: no reply");
    EXPECT_FALSE(window->MSComm1->PortOpen());
    EXPECT_TRUE(sameimage(curimage, image));
}

// Return or Space at the first view of a transfer window moves no COM port and starts nothing;
// Tab then reaches the port buttons, which keep the port within COM1 to COM15.
TEST_F(Transfer, FirstViewTakesNoKeyAsAButtonPress) {
    const auto firstview = [this](QDialog *window, QPushButton *down, QPushButton *up,
                                  QLabel *port) {
        comport = 2;
        ecu.clearreceived();
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Space})
            QTest::keyClick(QApplication::focusWidget(), key);
        EXPECT_EQ(comport, 2);
        EXPECT_TRUE(ecu.received().isEmpty());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), down);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), up);
        for (int i = 0; i < 14; ++i) QTest::keyClick(up, Qt::Key_Return);
        EXPECT_EQ(port->text(), "COM15");
        EXPECT_EQ(comport, 15);
        for (int i = 0; i < 20; ++i) down->click();
        EXPECT_EQ(port->text(), "COM1");
        EXPECT_EQ(comport, 1);
    };
    frmDown1 *down = form<frmDown1>();
    firstview(down, down->Command2, down->Command3, down->Label3);
    frmUp1 *up = form<frmUp1>();
    firstview(up, up->Command4, up->Command3, up->Label3);
}
