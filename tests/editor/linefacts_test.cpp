// The facts about the ECU's line against a simulated ECU with faults: no answer is taken from a
// line out of step, a failed transfer leaves it so for the main port, and a change the ECU did
// not confirm makes the next connection warn.
#include "core/download.h"
#include "core/linestate.h"
#include "core/logupload.h"
#include "core/transferport.h"
#include "core/upload.h"
#include "editfixture.h"
#include "editor/copyrange.h"
#include "editor/delval.h"
#include "editor/frmwarn3.h"
#include "editor/frmwarn6.h"
#include "platform/serialport.h"

#include <QPushButton>
#include <QRadioButton>

using namespace korvane;
using namespace korvane::test;

namespace {
class LineFacts : public Editing {
  protected:
    void SetUp() override
    {
        fuel1links().copyrows = copyrows;
        Editing::SetUp();
        ecu.setquery('R', {10, 20, 30, 40});
    }
    // COM Off, then COM On; returns how many synchronisation warnings were shown.
    int reconnect()
    {
        window->mnucom1_Click();
        EXPECT_EQ(online, 0);
        int warnings = 0;
        whilemodal<frmWarn6>([&] { window->mnucom1_Click(); }, [&](frmWarn6 &w) {
            ++warnings;
            w.Command1->click();
        });
        EXPECT_EQ(online, flagset);
        window->Timer1->stop();
        return warnings;
    }
};
} // namespace

TEST_F(LineFacts, OutOfStepNoExchangeTakesAnAnswerThatAByteFollows)
{
    goonline();
    curmap = 2;
    currpm = 20;
    uint8_t reply[4];
    struct Case {
        const char *what;
        long reply; // the answer a byte follows
        std::function<bool()> exchange;
    };
    const Case cases[] = {
        {"setting write", 1, [] { return sendsetting(0x1050, 7, false) == WriteResult::written; }},
        {"map select", 2, [] { return sendmapselect(false); }},
        {"live poll", 0, [] { pollphase = 1; pollready = flagset;
                              return getlivedata().outcome == LivePoll::completed; }},
        {"query", 0, [&reply] { return queryecu('R', reply) == 4; }},
        {"trim", 0, [] { int up = 1; groupactive = true; multierror = false;
                         sendinc(up, 5); groupactive = false; return !multierror; }},
        {"row copy", 1, [] { return ecurowcopy(10, true) == RowCopyEnd::copied; }},
    };
    for (const Case &c : cases) {
        // Each exchange works on a line in step with nothing after its answer...
        ecu.loadimage(curimage);
        calcmapsums();
        EXPECT_TRUE(c.exchange()) << c.what;
        // ...and fails while the line is out of step and a byte comes after its answer.
        ecu.loadimage(curimage);
        calcmapsums();
        marklineoutofstep();
        ecu.clearreceived();
        ecu.setreplyfault({.reply = c.reply, .append = {0x55}});
        EXPECT_FALSE(c.exchange()) << c.what;
        ecu.setreplyfault({});
        marklineinstep();
    }
    // The write's check comes before its first byte: only the two version bytes went out.
    ecu.loadimage(curimage);
    marklineoutofstep();
    ecu.clearreceived();
    ecu.setreplyfault({.reply = 1, .append = {0x55}});
    sendsetting(0x1050, 7, false);
    EXPECT_EQ(takereceived(2), QByteArray("cc"));
    EXPECT_FALSE(ecu.waitreceived(1, 100));
}

TEST_F(LineFacts, AFailedTransferLeavesTheLineOutOfStepForTheMainPort)
{
    // A stored-log upload the ECU answers after the program gave up: the log arrives while the
    // main port queries, and no query takes four of its bytes as its answer.
    goonline();
    std::vector<uint8_t> log(storedlogbytes);
    for (int i = 0; i < storedlogbytes; ++i) log[i] = uint8_t(i * 7 + 1);
    ecu.setstoredlog(log);
    ecu.setpacing(true);
    SerialPort transfer;
    ecu.holdreplies(0);
    EXPECT_EQ(uploadlog(transfer, {}), LogUpload::failed);
    EXPECT_TRUE(mainport().PortOpen());
    ecu.releasereplies(true);
    uint8_t reply[4];
    int answered = 0;
    for (int i = 0; i < 12 && answered < 2; ++i) {
        std::fill(reply, reply + 4, 0);
        if (queryecu('R', reply) < 4) continue;
        ++answered;
        EXPECT_EQ(QByteArray(reinterpret_cast<char *>(reply), 4), QByteArray("\x0a\x14\x1e\x28"));
    }
    EXPECT_EQ(answered, 2);

    // A calibration upload answered late: COM On never takes a byte of it for the firmware
    // byte; it fails while the upload still arrives, and the next COM On goes online.
    window->mnucom1_Click();
    ecu.holdreplies(0);
    EXPECT_EQ(uploadecu(transfer, false, {}), "Upload prompt error");
    transfer.setPortOpen(false); // as the upload window does when it closes
    ecu.releasereplies(true);
    responder.asked.clear();
    window->mnucom1_Click();
    EXPECT_EQ(online, 0);
    EXPECT_EQ(notices("This is not the correct PC software for the ECU"), 0);
    goonline();
    ecu.setpacing(false);

    // A download cut short: the answer the ECU still owes fails the next query on the main
    // port, not passes for its answer; a download tried again completes.
    window->mnucom1_Click();
    ecu.holdreplies(1); // 'B' is answered, 'V' late
    EXPECT_EQ(downloadecu(transfer, {}), DownloadEnd::noreply);
    ecu.releasereplies(true);
    EXPECT_EQ(openmainport(), QString());
    EXPECT_EQ(queryecu('R', reply), 0);
    EXPECT_EQ(queryecu('R', reply), 4);
    EXPECT_EQ(reply[0], 10);
    closemainport();
    ecu.holdreplies(1);
    EXPECT_EQ(downloadecu(transfer, {}), DownloadEnd::noreply);
    ecu.releasereplies(true);
    EXPECT_EQ(downloadecu(transfer, {}), DownloadEnd::complete);
    for (int a = 0x4000; a < 0x4800; ++a) ASSERT_EQ(ecu.memory(a), imagebyte(curimage, a)) << a;
}

TEST_F(LineFacts, AChangeTheEcuDidNotConfirmWarnsAtTheNextConnection)
{
    goonline();
    window->mnuRamMapGroup_Click(1); // map 2
    for (int l = 0; l < 32; ++l) curimage.rammaps[10][l] = int16_t(200 - l);
    ecu.loadimage(curimage);
    calcmapsums();
    // A row copy answered after the program gave up: the ECU copied, the PC did not.
    ecu.holdreplies(1);
    whilemodal<frmWarn3>([&] { window->Command3_MouseDown(); }, [](frmWarn3 &w) {
        w.Option1[10]->setChecked(true);
        w.cmdOk->click();
    });
    ecu.releasereplies(false);
    EXPECT_TRUE(responder.wasasked("Copy command failed, you should re-upload\nThe ECU did not "
                                   "answer the copy: it may have copied the row"));
    EXPECT_EQ(ecu.memory(0x4800 + 32 * 11), 200);
    EXPECT_NE(curimage.rammaps[11][0], 200);
    EXPECT_EQ(reconnect(), 1);
    // Until a download completes, every connection warns.
    EXPECT_EQ(reconnect(), 1);
    SerialPort transfer;
    window->mnucom1_Click();
    ASSERT_EQ(downloadecu(transfer, {}), DownloadEnd::complete);
    window->mnucom1_Click();
    EXPECT_EQ(reconnect(), 0);

    // A trim answered with a wrong checksum: "Checksum error!", then the same warning.
    holdat(3, 5);
    ecu.setreplyfault({.reply = 0, .first = 0x99});
    whilemodal<QDialog>([&] { key(Qt::Key_PageUp); }, [](QDialog &w) { w.accept(); });
    EXPECT_EQ(reconnect(), 1);
}
