#include "core/download.h"

#include "core/calimage.h"
#include "core/commands.h"
#include "core/commio.h"
#include "core/linecheck.h"
#include "core/linestate.h"
#include "core/prefs.h"
#include "core/timing.h"
#include "core/transferport.h"
#include "platform/serialport.h"

namespace korvane {

downlinetable downlines{};

namespace {

template <class T, size_t N> bool inrange(const T (&row)[N], long high) {
    for (const T v : row)
        if (v < 0 || v > high) return false;
    return true;
}

bool fitsbytes(const calimage &image) {
    for (const auto &row : image.settings)
        if (!inrange(row, 255)) return false;
    for (const auto &row : image.pwmmaps)
        if (!inrange(row, 255)) return false;
    for (int c = 0; c < 50; ++c)
        if (!inrange(image.afrmap[c], 255)) return false;
    for (const auto &row : image.fuelmap)
        if (!inrange(row, 65535)) return false;
    for (const auto &row : image.rammaps)
        if (!inrange(row, 255)) return false;
    return true;
}

// The one-byte exchange on the download port: sends byte in the given mode (as commio does);
// true when it did what the mode asks.
bool downio(SerialPort &port, uint8_t byte, int mode) {
    commtx = byte;
    portio(port, mode);
    return commerror == 0;
}

// Closes the port and returns end. A failure's reason is why, else the port's own fault (a line
// that went away), taken before the close clears it.
DownloadEnd stop(SerialPort &port, DownloadEnd end, QString *reason, const QString &why = {}) {
    if (reason)
        *reason = end == DownloadEnd::complete ? QString() : why.isEmpty() ? port.fault() : why;
    port.setPortOpen(false);
    return end;
}

} // namespace

QString builddownload(const calimage &image, downlinetable &lines) {
    if (!fitsbytes(image)) return QStringLiteral("a map value does not fit the ECU's bytes");
    // The stream in ECU address order is the image as the ECU holds it.
    const std::vector<uint8_t> stream = ecuorder(image);
    for (int line = 0; line < downlinecount; ++line) {
        const int address = ecuorderaddress(16 * line);
        lines[line][0] = uint8_t(address >> 8);
        lines[line][1] = uint8_t(address & 255);
        for (int k = 0; k < 16; ++k)
            lines[line][2 + k] = stream[16 * line + k];
    }
    return {};
}

DownloadEnd downloadecu(SerialPort &port, const TransferView &view, int *failedline,
                        QString *reason) {
    if (failedline) *failedline = -1;
    if (!port.PortOpen()) {
        const QString error = opentransferport(port, comport, 12300);
        if (!error.isEmpty()) return stop(port, DownloadEnd::error, reason, error);
    }
    const QString error = builddownload(curimage, downlines);
    if (!error.isEmpty()) return stop(port, DownloadEnd::error, reason, error);

    view.setstatus(QStringLiteral("Download in progress...."));
    view.setprogress(0);
    // A late byte of an earlier exchange must not answer the 'B'.
    if (!settleline(port))
        return stop(port, DownloadEnd::noreply, reason, QStringLiteral("the ECU is still sending"));
    // From the first byte on, a download cut short leaves the ECU part written and perhaps
    // still answering.
    const auto cutshort = [&](DownloadEnd end) {
        marklineoutofstep();
        markecumaydiffer();
        return stop(port, end, reason);
    };
    if (!downio(port, cmd::downloadstart, 0)) return cutshort(DownloadEnd::noreply);
    for (int i = 0; i < 128; ++i) {
        downio(port, writeseq[i], 1);
        countedpause(port, pauseP1);
    }
    countedpause(port, pauseP2);
    if (!downio(port, cmd::downloadprompt, 0)) return cutshort(DownloadEnd::noreply);
    // After a timeout before the download, the prompt's reply counts only on a line in step.
    if (!portend(port) || commrx != cmd::downloadready) return cutshort(DownloadEnd::startprompt);

    view.setstatus(QStringLiteral("Download in progress"));
    countedpause(port, pauseP3);
    for (int line = 0; line < downlinecount; ++line) {
        if (failedline) *failedline = line;
        view.setprogress(int(float(line) / 7.7f));
        if (!downio(port, cmd::downloadline, 0) || commrx != cmd::lineprompt)
            return cutshort(DownloadEnd::lineprompt);
        for (int field = 0; field < 17; ++field)
            downio(port, downlines[line][field], 1);
        if (!downio(port, downlines[line][17], 0)) return cutshort(DownloadEnd::lineend);
    }
    if (failedline) *failedline = -1;
    countedpause(port, pauseP4);
    downio(port, cmd::downloadline, 0); // the closing prompt: its reply tells nothing
    for (int i = 0; i < 3; ++i) {
        port.Output(QByteArray(1, '\0'));
        countedpause(port, pauseP2);
    }
    countedpause(port, pauseP4);
    view.setprogress(100);
    view.setstatus(QStringLiteral("Download complete"));
    calcmapsums(); // the ECU now holds curimage: its checksums are the PC's again
    markdownloaded();
    return stop(port, DownloadEnd::complete, reason);
}

QString downloadendtext(DownloadEnd end, const QString &reason) {
    if (!reason.isEmpty()) return downloadendtext(end) + QStringLiteral(": ") + reason;
    switch (end) {
    case DownloadEnd::noreply:
        return QStringLiteral("Download failed: no reply from the ECU");
    case DownloadEnd::startprompt:
        return QStringLiteral("Download failed at serial start prompt");
    case DownloadEnd::lineprompt:
        return QStringLiteral("Download failed at send line prompt");
    case DownloadEnd::lineend:
        return QStringLiteral("Download failed at end line prompt");
    case DownloadEnd::error:
        return QStringLiteral("Unknown problem occured");
    case DownloadEnd::complete:
        return QStringLiteral("Download complete");
    }
    return {};
}

} // namespace korvane
