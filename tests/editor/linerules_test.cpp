// The rules of the ECU's line, each a tuner's scenario against the simulated ECU: which changes
// make the next connection warn, through either way of connecting; that no late byte answers
// the first command after a failure; that a port that never opened sends nothing; and that a
// transfer borrows the main port and gives back the same one.
#include "core/download.h"
#include "core/frmup1.h"
#include "core/linestate.h"
#include "core/logupload.h"
#include "core/transferport.h"
#include "core/upload.h"
#include "editfixture.h"
#include "editor/frmwarn3.h"
#include "editor/frmwarn5.h"
#include "editor/frmwarn6.h"
#include "platform/serialport.h"

#include <QFile>
#include <QPushButton>
#include <thread>

using namespace korvane;
using namespace korvane::test;

namespace {
enum class Path { maps, comon };

class LineRules : public Editing {
  public:
    using Editing::ecu, Editing::goonline, Editing::holdat, Editing::key, Editing::whilemodal;
    using MainWindow::responder, MainWindow::window;
    SerialPort transfer; // a transfer window's own port

    // Goes offline as the tuner does (COM Off) and connects again: "&MAPS" with auto connect
    // on, or COM On. Returns how many synchronisation warnings were shown on the way.
    int reconnect(Path path) {
        if (online != 0) window->mnucom1_Click();
        const auto ok = [](frmWarn6 &w) { w.Command1->click(); };
        int warnings;
        if (path == Path::comon) {
            warnings = whilemodal<frmWarn6>([&] { window->mnucom1_Click(); }, ok);
        } else {
            window->reject();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            prefs[10] = prefon; // "AUTO CONNECT ON MAIN WINDOW"
            warnings = whilemodal<frmWarn6>([&] { window = open(); }, ok);
            prefs[10] = prefoff;
        }
        window->Timer1->stop();
        EXPECT_EQ(online, flagset);
        return warnings;
    }
    // A download that ends as end; the tuner then restarts an ECU it left half written.
    void download(ReplyFault fault, DownloadEnd end) {
        ecu.setreplyfault(std::move(fault));
        EXPECT_EQ(downloadecu(transfer, {}), end);
        ecu.setreplyfault({});
        ecu.restart();
    }
    void offlineedit() {
        editready = flagset;
        key(Qt::Key_PageUp);
        EXPECT_EQ(modified, flagset);
    }
};

struct Rule {
    const char *name;
    void (*act)(LineRules &);
    bool warns;
};

const Rule rules[] = {
    {"DownloadUnansweredAtItsStart",
     [](LineRules &t) { t.download({.reply = 0, .silent = true}, DownloadEnd::noreply); }, true},
    {"DownloadWithAWrongStartPrompt",
     [](LineRules &t) { t.download({.reply = 1, .first = 0}, DownloadEnd::startprompt); }, true},
    {"DownloadUnansweredInItsLines",
     [](LineRules &t) { t.download({.reply = 302, .silent = true}, DownloadEnd::lineprompt); },
     true},
    {"DownloadUnansweredAtItsLastLineEnd",
     [](LineRules &t) { t.download({.reply = 1537, .silent = true}, DownloadEnd::lineend); }, true},
    {"BootUploadCutShort",
     [](LineRules &t) {
         t.ecu.stallafter(1000);
         EXPECT_EQ(uploadecu(t.transfer, true, {}), "Upload count byte error");
         t.ecu.restart();
     },
     true},
    {"UploadCutShort", // without the boot the ECU's memory is as it was
     [](LineRules &t) {
         t.ecu.stallafter(1000);
         EXPECT_EQ(uploadecu(t.transfer, false, {}), "Upload count byte error");
         t.ecu.restart();
     },
     false},
    {"AfrStepUnanswered",
     [](LineRules &t) {
         t.goonline();
         t.ecu.setreplyfault({.reply = 0, .silent = true});
         stepafr();
     },
     true},
    {"AfrStepAnsweredWrongly",
     [](LineRules &t) {
         t.goonline();
         t.ecu.setreplyfault({.reply = 1, .first = 'x'});
         stepafr();
         EXPECT_TRUE(t.responder.wasasked("An error occurred"));
     },
     true},
    {"RowCopyUnanswered",
     [](LineRules &t) {
         t.goonline();
         t.window->mnuRamMapGroup_Click(1);
         t.ecu.setreplyfault({.reply = 1, .silent = true});
         EXPECT_EQ(ecurowcopy(10, true), RowCopyEnd::unconfirmed);
     },
     true},
    {"RowCopyAnsweredWrongly",
     [](LineRules &t) {
         t.goonline();
         t.window->mnuRamMapGroup_Click(1);
         t.ecu.setreplyfault({.reply = 1, .first = 0});
         EXPECT_EQ(ecurowcopy(10, true), RowCopyEnd::wronganswer);
     },
     true},
    {"TrimAnsweredWithAWrongChecksum",
     [](LineRules &t) {
         t.goonline();
         t.holdat(3, 5);
         t.ecu.setreplyfault({.reply = 0, .first = 0x99});
         t.whilemodal<frmWarn5>([&] { t.key(Qt::Key_PageUp); },
                                [](frmWarn5 &w) { w.cmdOk->click(); });
     },
     true},
    {"SettingWriteUnanswered",
     [](LineRules &t) {
         t.goonline();
         t.ecu.stallafter(3); // the versions and 'H' answered, the write's end not
         EXPECT_EQ(sendsetting(0x1050, 7, false), WriteResult::failed);
         t.ecu.stallafter(-1);
     },
     true},
    {"EntryLeftWaitingForEnter",
     [](LineRules &t) {
         t.goonline();
         t.window->mnuPwm3D_Click(1);
         editready = flagset;
         t.holdat(1, 3);
         t.key(Qt::Key_PageUp);
         EXPECT_TRUE(entrypending);
     },
     true},
    {"OfflineEdit", [](LineRules &t) { t.offlineedit(); }, true},
    {"ConfirmedOnlineTrim", // COM Off clears what the online edit set
     [](LineRules &t) {
         t.goonline();
         t.holdat(3, 5);
         t.key(Qt::Key_PageUp);
         EXPECT_FALSE(ecumaydiffer());
     },
     false},
    {"OfflineEditThenADownload", // a download leaves the tuner's edit flag as it was
     [](LineRules &t) {
         t.offlineedit();
         t.download({}, DownloadEnd::complete);
     },
     true},
    {"DownloadCutShortThenCompleted",
     [](LineRules &t) {
         t.download({.reply = 0, .silent = true}, DownloadEnd::noreply);
         t.download({}, DownloadEnd::complete);
     },
     false},
    {"DownloadCutShortAndOfflineEditThenAnUpload",
     [](LineRules &t) {
         t.download({.reply = 0, .silent = true}, DownloadEnd::noreply);
         t.offlineedit();
         EXPECT_EQ(uploadecu(t.transfer, false, {}), QString());
     },
     false},
};

void PrintTo(const Rule &rule, std::ostream *out) {
    *out << rule.name;
}
void PrintTo(Path path, std::ostream *out) {
    *out << (path == Path::maps ? "&MAPS" : "COM On");
}

class NextConnection : public LineRules,
                       public ::testing::WithParamInterface<std::tuple<Rule, Path>> {};
} // namespace

TEST_P(NextConnection, WarnsAfterEveryChangeTheEcuDidNotConfirm) {
    const auto [rule, path] = GetParam();
    rule.act(*this);
    transfer.setPortOpen(false); // as a transfer window does when it closes
    EXPECT_EQ(reconnect(path), rule.warns ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Rules, NextConnection,
                         ::testing::Combine(::testing::ValuesIn(rules),
                                            ::testing::Values(Path::maps, Path::comon)),
                         [](const auto &info) {
                             return std::string(std::get<0>(info.param).name) +
                                    (std::get<1>(info.param) == Path::maps ? "_Maps" : "_ComOn");
                         });

// An offline edit warns at every "&MAPS" until a switch clears it: the connection as the window
// opens leaves the flag, COM On and COM Off clear it.
TEST_F(LineRules, TheSwitchClearsTheEditWarningTheConnectionAtStartKeeps) {
    const auto mapsagain = [this] {
        window->reject();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        prefs[10] = prefon;
        const int warnings = whilemodal<frmWarn6>([&] { window = open(); },
                                                  [](frmWarn6 &w) { w.Command1->click(); });
        prefs[10] = prefoff;
        window->Timer1->stop();
        return warnings;
    };
    offlineedit();
    EXPECT_EQ(mapsagain(), 1);
    EXPECT_EQ(mapsagain(), 1);
    window->mnucom1_Click(); // COM Off
    EXPECT_EQ(mapsagain(), 0);
    window->mnucom1_Click();
    offlineedit();
    EXPECT_EQ(whilemodal<frmWarn6>([&] { window->mnucom1_Click(); },
                                   [](frmWarn6 &w) { w.Command1->click(); }),
              1);
    EXPECT_EQ(mapsagain(), 0);
}

// A failed exchange leaves replies owed; they come ahead of the answer to the next command.
TEST_F(LineRules, TheFirstCommandAfterAFailureTakesNoLateByte) {
    ecu.setquery('R', {10, 20, 30, 40});
    const auto failaquery = [this] {
        goonline();
        ecu.holdreplies(0);
        uint8_t reply[4];
        EXPECT_LT(queryecu('R', reply), 4);
        window->mnucom1_Click();
        ecu.releasereplies(true);
    };
    // The version byte at "&MAPS" and at COM On: 10 is no firmware byte, nor an answer.
    failaquery();
    window->reject();
    prefs[10] = prefon;
    window = open();
    prefs[10] = prefoff;
    window->Timer1->stop();
    EXPECT_EQ(online, 0);
    failaquery();
    window->mnucom1_Click();
    EXPECT_EQ(online, 0);
    EXPECT_FALSE(responder.wasasked("wrong software version"));
    EXPECT_FALSE(responder.wasasked("This is not the correct PC software"));

    // The firmware signature after an upload whose prompt came late: the upload's bytes are no
    // signature; the next read finds the true one.
    ecu.setquery('F', {1, 2, 3, 4});
    ecu.holdreplies(0);
    EXPECT_EQ(uploadecu(transfer, false, {}), "Upload prompt error");
    ecu.releasereplies(true);
    EXPECT_EQ(readfirmwaresig(transfer), "ECU firmware: late reply, read again");
    EXPECT_EQ(readfirmwaresig(transfer), "ECU firmware: B0,1,2,3,4");

    // The download's start prompt answered, and a byte after it: on a line out of step that is
    // no answer, and the download stops before its lines.
    marklineoutofstep();
    ecu.setreplyfault({.reply = 1, .append = {0x55}});
    EXPECT_EQ(downloadecu(transfer, {}), DownloadEnd::startprompt);
}

// A command that starts while an upload the program gave up on still streams in waits for the
// line to go quiet, then works.
TEST_F(LineRules, ALateStreamIsLetPastBeforeTheFirstCommand) {
    ecu.setquery('F', {1, 2, 3, 4});
    const std::pair<const char *, std::function<bool()>> commands[] = {
        {"&MAPS",
         [this] {
             window->reject();
             prefs[10] = prefon;
             window = open();
             prefs[10] = prefoff;
             window->Timer1->stop();
             return online == flagset;
         }},
        {"COM On",
         [this] {
             window->mnucom1_Click();
             return online == flagset;
         }},
        {"signature", [this] { return readfirmwaresig(transfer) == "ECU firmware: B0,1,2,3,4"; }},
        {"download", [this] { return downloadecu(transfer, {}) == DownloadEnd::complete; }},
        {"upload",
         [this] {
             curimage.rammaps[0][0] = int16_t(curimage.rammaps[0][0] ^ 1); // the ECU's comes back
             return uploadecu(transfer, false, {}).isEmpty() &&
                    imagebyte(curimage, 0x4800) == ecu.memory(0x4800);
         }},
    };
    for (const auto &[what, works] : commands) {
        if (online != 0) window->mnucom1_Click();
        ecu.holdreplies(0);
        EXPECT_EQ(uploadecu(transfer, false, {}), "Upload prompt error") << what;
        transfer.setPortOpen(false);
        ecu.setpacing(true);
        std::thread stream([this] { ecu.releasereplies(false); });
        EXPECT_TRUE(works()) << what;
        stream.join();
        ecu.setpacing(false);
    }
}

// Nothing reaches the ECU through a port that never opened, so it owes nothing: the line stays
// in step and the ECU cannot differ.
TEST_F(LineRules, APortThatNeverOpenedLeavesTheLineInStep) {
    QFile::link("/nonexistent/tty", folder.file("com9"));
    comport = 9;
    uploadmode = 2;
    const std::pair<const char *, std::function<bool()>> cases[] = {
        {"download", [this] { return downloadecu(transfer, {}) == DownloadEnd::error; }},
        {"upload", [this] { return uploadecu(transfer, false, {}) == "Error opening port"; }},
        {"boot", [this] { return uploadecu(transfer, true, {}) == "Error opening port"; }},
        {"signature", [this] { return readfirmwaresig(transfer).contains("COM9"); }},
        {"stored log", [this] { return uploadlog(transfer, {}) == LogUpload::notsent; }},
        {"closed main port",
         [] {
             uint8_t r[4];
             closemainport();
             return queryecu('R', r) == 0;
         }},
    };
    for (const auto &[what, fails] : cases) {
        EXPECT_TRUE(fails()) << what;
        EXPECT_TRUE(lineinstep()) << what;
        EXPECT_FALSE(ecumaydiffer()) << what;
    }
    EXPECT_EQ(ecu.received(), QByteArray());
}

// COM On that fails after a lost port starts afresh: no window shows the old port's reason.
TEST_F(LineRules, AFailedReconnectionForgetsTheLostPortsReason) {
    goonline();
    ecu.hangup();
    window->Timer1_Timer();
    EXPECT_EQ(online, 0);
    EXPECT_TRUE(offlinetext().startsWith("The serial port stopped working ("));
    window->mnucom1_Click();
    EXPECT_EQ(window->Label42->text(), "error");
    EXPECT_EQ(offlinetext(), "offline");
}

// Online, the stored log comes from the ECU the program is online with, whatever comport says,
// and the main port opens again on that ECU, not on another one at the new comport.
TEST_F(LineRules, TheStoredLogUploadKeepsTheOnlinePort) {
    SimEcu other(2);
    goonline();
    uploadmode = 2;
    frmUp1 *up = form<frmUp1>();
    EXPECT_FALSE(up->Command3->isEnabled());
    EXPECT_EQ(up->Label3->text(), "COM1");
    comport = 2; // moved while online (the preferences)
    up->Command2_Click();
    EXPECT_EQ(up->Label2->text(), "Upload complete");
    up->reject();
    EXPECT_EQ(takereceived(1), QByteArray("L"));
    EXPECT_EQ(online, flagset);
    uint8_t reply[4];
    EXPECT_EQ(queryecu('T', reply), 4);
    EXPECT_EQ(takereceived(1), QByteArray("T"));
    EXPECT_EQ(other.received(), QByteArray());
    comport = 1;
}
