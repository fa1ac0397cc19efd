// The data logger and the stored-log report against the simulated ECU.
#include "core/linestate.h"
#include "core/editorstate.h"
#include "core/flags.h"
#include "core/frmup1.h"
#include "core/mainport.h"
#include "core/mainwindowhooks.h"
#include "core/names.h"
#include "core/prefs.h"
#include "core/upload.h"
#include "editor/pendingcells.h"
#include "logging/frmfastlog.h"
#include "logging/frmlog.h"
#include "logging/frmlogtexts.h"
#include "logging/logreport.h"
#include "platform/forms.h"
#include "platform/loggrid.h"
#include "platform/serialport.h"
#include "responder.h"
#include "simlink.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QScrollBar>
#include <QTimer>

#include <array>

using namespace korvane;
using namespace korvane::test;

namespace {
class Logger : public SimLinkTest {
  protected:
    void SetUp() override {
        SimLinkTest::SetUp();
        QLocale::setDefault(QLocale::c());
        initnames();
        goonline();
        mainwindowhooks().timerenabled = [this] { return maintimer; };
        mainwindowhooks().settimerenabled = [this](bool on) { maintimer = on; };
    }
    void TearDown() override {
        unload<frmUp1>();
        if (loaded<frmLog>()) form<frmLog>()->mnuExit_Click();
        mainwindowhooks() = {};
        resetlinestate();
        SimLinkTest::TearDown();
    }
    LogTable &table() { return form<frmLog>()->logGrid2->table(); }
    // A log of 3584 records whose record r is bytes, sum byte fitting unless told otherwise.
    std::vector<uint8_t> storedlog() {
        std::vector<uint8_t> log(28672, 0);
        const uint8_t sum256[8] = {100, 50, 6, 20, 50, 25, 5, 0}; // bytes 0..6 sum to 256
        const uint8_t bad[8] = {1, 2, 3, 4, 5, 6, 7, 99};
        std::copy(sum256, sum256 + 8, log.begin() + 8 * 3);
        std::copy(bad, bad + 8, log.begin() + 8 * 130);
        return log;
    }

    bool maintimer = true;
    Responder responder;
};

// Four groups of channels and their texts: coolant 40 - 20, AFR, rpm without grouping, tps,
// boost 201 x 0.156, speed, knock ramp 217 x 0.02, air temp, duty, knock retard 201 x 0.063,
// wastegate, cell X and Y, fuel pulse 2 x 0.32, vacuum 3 x 3, advance.
const std::array<uint8_t, 4> groupbytes[4] = {
    {40, 147, 60, 250}, {201, 123, 217, 95}, {233, 201, 77, 19}, {1, 2, 3, 200}};
const char *const grouptexts[16] = {"20",   "14.7", "3000", "100.0", "31.4", "123", "4.34", "75",
                                    "93.2", "12.7", "30.8", "19",    "1",    "0.6", "9",    "200"};
} // namespace

TEST_F(Logger, RateSliderSetsTheIntervalAndTheNominalRate) {
    prefs[13] = prefon;
    frmLog *window = form<frmLog>();
    EXPECT_EQ(window->Timer1->interval(), 48);
    EXPECT_EQ(window->Label2->text(), "20.8 Hz");
    EXPECT_FALSE(maintimer); // the main live loop waits while the logger polls
    window->show();          // the rolling view shows its ten samples without scrolling
    QTableView *view = window->logGrid1;
    EXPECT_LE(view->rowViewportPosition(9) + view->rowHeight(9), view->viewport()->height());
    EXPECT_GT(window->logGrid2->geometry().top(), view->geometry().bottom());
    window->HScroll1->setValue(1);
    EXPECT_EQ(window->Timer1->interval(), 769);
    window->mnuExit_Click();
    prefs[13] = prefoff;
    EXPECT_EQ(form<frmLog>()->Timer1->interval(), 385);
    EXPECT_EQ(form<frmLog>()->Label2->text(), "2.6 Hz");
}

TEST_F(Logger, SamplesGoToRowTwoOnwardsWithTheirChannelTexts) {
    for (int g = 0; g < 4; ++g)
        ecu.setquery(uint8_t(0x5C + g), groupbytes[g]);
    frmLog *window = form<frmLog>();
    window->Timer1->stop();
    ecu.clearreceived();
    window->Timer1_Timer();
    EXPECT_EQ(takereceived(4), QByteArray("\x5C\x5D\x5E\x5F"));
    window->Timer1_Timer();
    EXPECT_EQ(window->logrow, 3);
    EXPECT_TRUE(table().text(1, 0).isEmpty());
    EXPECT_TRUE(logtimesecond(table().text(2, 0)).has_value());
    for (int ch = 0; ch < 16; ++ch) // every channel with its scale and decimals
        EXPECT_EQ(table().text(2, ch + 1), grouptexts[ch]) << ch;
    EXPECT_EQ(window->logGrid1->table().text(2, 0), "1");
    window->logrow = 10; // the tenth sample wraps to the first row of the rolling view
    window->Timer1_Timer();
    EXPECT_EQ(window->logGrid1->table().text(1, 0), "10");
    EXPECT_EQ(window->Label1->text(), "Logging");
    window->Command1_Click(); // Stop, as an export does first
    EXPECT_EQ(window->Label1->text(), "Stopped");
    window->mnuExit_Click();
    EXPECT_TRUE(maintimer);
}

TEST_F(Logger, SilentSampleKeepsOnlyItsTimeAndAFullTableWritesNoRow) {
    frmLog *window = form<frmLog>();
    window->Timer1->stop();
    ecu.stallafter(15); // the last group's reply breaks off after three bytes
    window->Timer1_Timer();
    EXPECT_EQ(window->logrow, 2);
    EXPECT_TRUE(logtimesecond(table().text(2, 0)).has_value());
    EXPECT_TRUE(table().text(2, 1).isEmpty());
    EXPECT_EQ(window->Label1->text(), "No reply from the ECU");
    EXPECT_EQ(window->Timer1->interval(), 1000); // backs off until the ECU answers

    ecu.stallafter(-1);
    window->logrow = table().rows() - 2; // the last sample fills the last row
    window->Timer1_Timer();
    EXPECT_EQ(window->Timer1->interval(), 385);
    EXPECT_FALSE(table().text(table().rows() - 1, 0).isEmpty());
    window->Timer1->start();
    window->Timer1_Timer();
    EXPECT_FALSE(window->Timer1->isActive());
    EXPECT_EQ(window->Label1->text(), "The log table is full");
}

TEST_F(Logger, RepliesHeldByAStalledEcuNeverLandInAnotherGroup) {
    for (int g = 0; g < 4; ++g)
        ecu.setquery(uint8_t(0x5C + g), groupbytes[g]);
    frmLog *window = form<frmLog>();
    window->Timer1->stop();
    ecu.holdreplies(1); // group 0 answers, then the ECU stalls
    window->Timer1_Timer();
    window->Timer1_Timer();
    ecu.releasereplies(true); // the held replies come ahead of the next answer
    window->Timer1_Timer();
    window->Timer1_Timer();
    // Each sample is its own groups' values or its time alone; the last one is whole again.
    for (int row = 2; row <= 5; ++row) {
        const bool whole = table().text(row, 1) == grouptexts[0];
        for (int ch = 0; ch < 16; ++ch)
            EXPECT_EQ(table().text(row, ch + 1), whole ? grouptexts[ch] : "") << row << " " << ch;
        EXPECT_EQ(whole, row == 5) << row;
    }
}

TEST_F(Logger, RecordTimesAndTheReportOfEachRecord) {
    EXPECT_EQ(recordtime(0), "B:0 0");
    EXPECT_EQ(recordtime(3), "B:0 8.1");
    EXPECT_EQ(recordtime(128), "B:1 345.6");
    EXPECT_EQ(recordtime(3583), "B:27 9674.1");
    QLocale::setDefault(QLocale(QLocale::German));
    EXPECT_EQ(recordtime(1), "B:0 2,7");
    QLocale::setDefault(QLocale::c());

    LogTable report;
    report.resize(27169, 17);
    report.settext(5000, 3, "old sample");
    const std::vector<uint8_t> log = storedlog();
    writelogreport(report, log.data());
    EXPECT_EQ(report.text(0, 0), "Time (s)");
    EXPECT_EQ(report.text(0, 8), "CRC");
    EXPECT_EQ(report.text(1, 1), "-20.0"); // all zero: CTS -20.0, AFR 0.0, RPM 0.0, check 0
    EXPECT_EQ(report.text(1, 2), "0.0");
    EXPECT_EQ(report.text(1, 3), "0.0");
    EXPECT_EQ(report.text(1, 8), "0");
    // A sum of 256 checks as 0; each byte by its own channel: CTS, AFR, RPM, boost, duty,
    // knock, advance.
    const char *record3[7] = {"80.0", "5.0", "300.0", "3.1", "20.0", "0.5", "5.0"};
    for (int c = 1; c <= 7; ++c)
        EXPECT_EQ(report.text(4, c), record3[c - 1]) << c;
    EXPECT_EQ(report.text(4, 8), "0"); // the check byte, not the advance's 5
    EXPECT_EQ(report.text(131, 0), "B:1 351");
    for (int c = 1; c <= 8; ++c)
        EXPECT_EQ(report.text(131, c), "CRC error");
    EXPECT_TRUE(report.text(5000, 3).isEmpty()); // nothing of the old log stays below
}

TEST_F(Logger, ReportOpensTheStoredLogUploadForItsKeywordOnly) {
    for (auto [typed, opens] :
         {std::pair{"quillmark", true}, {"QUILLMARK", true}, {"Quillmark", false}}) {
        uploadmode = 0;
        bool opened = false;
        QTimer::singleShot(0, [&opened] {
            if (auto *up = qobject_cast<frmUp1 *>(QApplication::activeModalWidget())) {
                opened = true;
                up->Command1_Click();
            }
        });
        form<frmFastlog>()->Text1->setText(typed);
        form<frmFastlog>()->cmdOk_Click();
        QCoreApplication::processEvents(); // the answer of a refused keyword finds no window
        EXPECT_EQ(opened, opens) << typed;
        EXPECT_EQ(uploadmode, opens ? 2 : 0) << typed;
    }
}

TEST_F(Logger, StoredLogUploadReportsCompleteOrBadSumLogsOnly) {
    std::vector<uint8_t> log = storedlog();
    log[0] = 9; // record 0 now fails its check
    ecu.setstoredlog(log);
    frmLog *window = form<frmLog>();
    window->Timer1->stop();
    uploadmode = 2;
    frmUp1 *up = form<frmUp1>();
    ecu.setreplyfault({0, false, -1, {}, false, {0x4C, 0x61}}); // bytes after the sum
    up->Command2_Click();
    EXPECT_TRUE(ecu.received().endsWith('L'));
    EXPECT_EQ(up->Label2->text(), "Upload complete");
    EXPECT_EQ(table().text(1, 1), "CRC error");
    EXPECT_EQ(table().text(4, 3), "300.0");
    EXPECT_TRUE(mainport().PortOpen());

    table().settext(4, 3, "mine");
    ecu.setreplyfault({0, false, -1, {}, true, {0, 0}}); // the sum is not the last byte
    up->Command2_Click();
    EXPECT_EQ(up->Label2->text(), "Upload failed");
    EXPECT_EQ(table().text(4, 3), "300.0"); // a whole log with a wrong sum is still shown

    table().settext(4, 3, "mine");
    ecu.setreplyfault({.reply = 0, .lose = 5}); // one byte short: never shown shifted
    up->Command2_Click();
    EXPECT_EQ(up->Label2->text(), "Upload failed");
    EXPECT_EQ(table().text(4, 3), "mine");

    table().settext(4, 3, "mine");
    ecu.stallafter(1000);
    up->Command2_Click();
    EXPECT_EQ(up->Label2->text(), "Upload failed");
    EXPECT_EQ(table().text(4, 3), "mine"); // a broken transfer leaves the table alone
    EXPECT_TRUE(mainport().PortOpen());

    // Start after the report: the PC headings are back before the first sample.
    ecu.stallafter(-1);
    window->Timer1_Timer();
    EXPECT_EQ(table().text(0, 0), "timestamp");
    EXPECT_EQ(table().text(0, 1), "coolant temp (C)");
}

TEST_F(Logger, MainPortThatWillNotReopenTakesTheProgramOffline) {
    frmLog *window = form<frmLog>();
    window->Timer1->stop();
    closemainport();
    QFile::remove(folder.file("com1"));
    QFile::link("/nonexistent/tty", folder.file("com1")); // a cable pulled out
    window->mnuExit_Click();
    EXPECT_EQ(online, 0);
    EXPECT_TRUE(responder.wasasked("now offline"));
}

// The ECU's end of the line goes away while the logger is open with an entry waiting for Enter:
// closing the logger takes the program offline with the port's reason, keeping the entry as an
// offline edit, instead of staying online on a dead port.
TEST_F(Logger, ClosedOnADeadPortWithAnEntryPendingGoesOfflineWithThePortsReason) {
    frmLog *window = form<frmLog>();
    window->Timer1->stop();
    entrypending = true;
    pendingcells = {{10, 2, 3}};
    markuploaded();
    ecu.hangup();
    QCoreApplication::processEvents(); // the logger's own event loop runs while it is open
    window->mnuExit_Click();
    EXPECT_EQ(online, 0);
    EXPECT_FALSE(entrypending);
    EXPECT_TRUE(syncwarningdue());
    EXPECT_TRUE(responder.wasasked("The serial port stopped working (the line was hung up or the "
                                   "device removed): the program is now offline"));
    EXPECT_FALSE(responder.wasasked("could not be opened again"));
}
