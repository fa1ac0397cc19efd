#include "core/onlineops.h"

#include "core/calimage.h"
#include "core/commands.h"
#include "core/commio.h"
#include "core/editorstate.h"
#include "core/flags.h"
#include "core/linecheck.h"
#include "core/linestate.h"
#include "core/livedata.h"
#include "core/mainport.h"
#include "core/messages.h"
#include "core/pauseonline.h"
#include "core/timing.h"
#include "platform/beep.h"
#include "platform/hourglass.h"
#include "platform/prompts.h"

namespace korvane {

namespace {
constexpr int tailstart = 128, tailbytes = 64;

// Sends commtx in mode; true when the exchange worked.
bool exchange(uint8_t byte, int mode) {
    commtx = byte;
    commio(mode);
    return commerror == 0;
}

void writefailed(bool report) {
    beep();
    multierror = true;
    if (report && !groupactive)
        showmessage(QStringLiteral("An programming error occurred, try again"),
                    QStringLiteral("System error"), 30, forced);
}

// The bytes of one write; false at the first exchange that fails or a wrong 'H' reply.
bool sendwrite(int address, int value) {
    // The two version exchanges show the line in step before a byte of the write goes out.
    if (!exchange(cmd::version, 0) || !exchange(cmd::version, 0) || !commend()) return false;
    if (!exchange(cmd::writeopen, 0) || commrx != cmd::writeopened) return false;
    exchange(uint8_t(address / 256 + cmd::writeaddressflag), 1);
    exchange(uint8_t(address & 255), 1);
    exchange(uint8_t(value), 1);
    for (int i = 0; i < tailbytes - 1; ++i) {
        exchange(writeseq[tailstart + i], 1);
        countedpause(mainport(), pauseP1);
    }
    // A write whose last reply never came stays pending, so Enter retries the same cell.
    if (!exchange(writeseq[tailstart + tailbytes - 1], 0) || !commend()) return false;
    entrypending = false;
    return true;
}
} // namespace

QString refusaltext() {
    return QStringLiteral("An protection violation occured, the setting is password protected");
}

namespace {
WriteResult trysetting(int address, int value, bool report) {
    if (livewrite == 0) return WriteResult::failed;
    if (!isecuaddress(address) || value < 0 || value > 255) {
        // A caller's fault, never the ECU's: nothing may reach the ECU's memory.
        beep();
        multierror = true;
        if (report && !groupactive)
            showmessage(QStringLiteral("Setting not sent: address &H%1 value %2 is outside the ECU")
                            .arg(QString::number(address, 16).toUpper())
                            .arg(value),
                        QStringLiteral("System error"), 30, forced);
        return WriteResult::failed;
    }
    pollready = 0;
    bool sent;
    {
        Hourglass pointer;
        sent = sendwrite(address, value);
    }
    if (!sent) {
        writefailed(report);
        return WriteResult::failed;
    }
    const int expected = (address + value) & 255;
    if (commrx == (expected == 0 ? 1 : expected)) return WriteResult::written;
    multierror = true;
    if (commrx == 0) {
        // Final: the same write would be refused again, so nobody may retry it.
        if (report) showmessage(refusaltext(), QStringLiteral("Information"), 40, forced);
        return WriteResult::refused;
    }
    writefailed(report);
    return WriteResult::failed;
}
} // namespace

WriteResult sendsetting(int address, int value, bool report) {
    const WriteResult result = trysetting(address, value, report);
    // The PC keeps the value whatever happened: unless the ECU confirmed it, the two may differ.
    if (result != WriteResult::written) markecumaydiffer();
    return result;
}

TrimColumn trimcolumn;

bool sendmapselect(bool report) {
    if (online != flagset || curmap >= 8 || curmap < 1) return true;
    const int row = currpm;
    const int expected = curmap == 1 ? row / 4 + 0x45 : 72 + 4 * (curmap - 2) + row / 8 + 5;
    if (exchange(cmd::selectmap(curmap), 0) && exchange(uint8_t(row), 0) &&
        exchange(cmd::confirmmap(curmap), 0) && commend() && commrx == expected) {
        trimcolumn = {curmap, row};
        return true;
    }
    // The ECU may have taken part of the select: its column is not known any more.
    trimcolumn = {};
    if (report)
        showmessage(QStringLiteral("An error occured, try again"), QStringLiteral("System error"),
                    30, forced);
    return false;
}

bool trimcolumnready() {
    if (online != flagset || curmap < 1 || curmap > 7) return true;
    if (trimcolumn == TrimColumn{curmap, currpm}) return true;
    return sendmapselect(false);
}

void stepafr() {
    pauseonline();
    if (msgboxokcancel(
            QStringLiteral("This will reduce AFR by 15% (14.7 to 12.5) for calibration, OK?"))) {
        // A missing reply is reported too: silence would leave the user believing the ECU had
        // stepped its mixture, or had not.
        // An answer missing or wrong leaves the ECU's mixture unknown.
        const auto noreply = [] {
            markecumaydiffer();
            showmessage(QStringLiteral("The ECU did not answer the AFR step:") + commerrtext,
                        QStringLiteral("Warning"), 30, forced);
        };
        const auto wrongreply = [] {
            markecumaydiffer();
            showmessage(QStringLiteral("An error occurred"), QStringLiteral("Warning"), 30, forced);
        };
        if (!exchange(cmd::afrstep, 0))
            noreply();
        else if (commrx != cmd::afrstep1)
            wrongreply();
        else if (!exchange(cmd::afrstep, 0) || !commend())
            noreply();
        else if (commrx != cmd::afrstep2)
            wrongreply();
    }
    resumeonline();
}

} // namespace korvane
