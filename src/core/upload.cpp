#include "core/upload.h"

#include "core/calimage.h"
#include "core/commands.h"
#include "core/commio.h"
#include "core/flags.h"
#include "core/linestate.h"
#include "core/mapfile.h"
#include "core/prefs.h"
#include "core/timing.h"
#include "core/transferport.h"
#include "platform/beep.h"
#include "platform/programfolder.h"
#include "platform/prompts.h"
#include "platform/serialport.h"

#include <QDeadlineTimer>
#include <chrono>

namespace korvane {

int uploadmode = 1;
std::array<uint8_t, 28700> rxbuffer{};

namespace {
using std::chrono::duration_cast;
using std::chrono::milliseconds;

constexpr int promptlimit = int(duration_cast<milliseconds>(pollstime(promptpolls)).count());

// Waits for the prompt byte, dropping whatever else comes first.
bool waitprompt(SerialPort &port) {
    const QDeadlineTimer deadline(promptlimit, Qt::PreciseTimer);
    while (port.waitforinput(1, deadline))
        if (port.Input() == QByteArray(1, char(cmd::uploadprompt))) return true;
    return false;
}

// Tells the user which stage failed, and why when the port knows (reason, else the port's own
// fault: a line that went away), and clears the input for the next try.
void uploadfailed(SerialPort &port, const QString &stage, const TransferView &view,
                  QString reason = {}) {
    view.setstatus(QStringLiteral("Upload failed"));
    if (reason.isEmpty()) reason = port.fault();
    msgbox(reason.isEmpty() ? stage : stage + QStringLiteral(": ") + reason);
    beep();
    if (!port.PortOpen()) return;
    if (purgeinput(port, 101) == 101) {
        msgbox(QStringLiteral("Upload exit purge overflow"));
        port.setPortOpen(false);
    }
}

} // namespace

void storeupload(const uint8_t *bytes, calimage &image) {
    for (int i = 0; i < uploadbytes; ++i) {
        const int address = uploadorderaddress(i);
        const bool fuelhigh = address >= 0x4000 && address < 0x4800 && address % 2 == 0;
        setimagebyte(image, address, fuelhigh && bytes[i] > 100 ? 100 : bytes[i]);
    }
}

QString uploadecu(SerialPort &port, bool boot, const TransferView &view) {
    if (!port.PortOpen()) {
        const QString error = opentransferport(port, comport, 12300);
        if (!error.isEmpty()) {
            uploadfailed(port, QStringLiteral("Error opening port"), view, error);
            return QStringLiteral("Error opening port");
        }
    }
    view.setstatus(QStringLiteral("Upload in progress...."));
    view.setprogress(0);
    if (!settleline(port)) {
        uploadfailed(port, QStringLiteral("Upload prompt error"), view,
                     QStringLiteral("the ECU is still sending"));
        return QStringLiteral("Upload prompt error");
    }
    purgeinput(port, 1 << 20); // stale bytes would pass for the prompt or the data
    port.Output(QByteArray(1, char(boot ? cmd::bootupload : cmd::upload)));

    QString stage = QStringLiteral("Upload prompt error");
    if (waitprompt(port)) {
        stage = QStringLiteral("Upload count byte error");
        if (waitforcount(port, uploadbytes + 1, 123.0f, view)) {
            stage = QStringLiteral("Upload CRC error");
            // Both pauses come before the read: with 'b' or 'u' ahead of the data the count was
            // reached while the last bytes were still on their way.
            countedpause(port, 20001);
            countedpause(port, 10000);
            port.setInputLen(0);
            const QByteArray all = port.Input();
            port.setInputLen(1);
            // Every 'b' and 'u' ahead of the data is dropped; the data start at the first other
            // byte. A calibration whose first byte (the fuel map's first high byte) is itself 'b'
            // (a fuel value from 25088 up) or 'u' loses that byte with them, so its sum fails:
            // "Upload CRC error", with the image unchanged. Fewer than the data and the sum left
            // means a byte was lost: reading on from a 'b' or 'u' would store an image shifted
            // by one byte. Bytes after the sum are ignored.
            qsizetype start = 0;
            while (start < all.size() && (all[start] == 'b' || all[start] == 'u'))
                ++start;
            if (all.size() - start >= uploadbytes + 1) {
                const auto *data = reinterpret_cast<const uint8_t *>(all.constData()) + start;
                std::copy(data, data + uploadbytes + 1, rxbuffer.begin());
                uint8_t sum = 0;
                for (int i = 0; i < uploadbytes; ++i)
                    sum = uint8_t(sum + rxbuffer[i]);
                if (sum == rxbuffer[uploadbytes]) stage.clear();
            }
        }
    }
    if (!stage.isEmpty()) {
        // The ECU may still be sending what the program gave up on.
        marklineoutofstep();
        // A boot that did not end in a whole calibration may have changed the ECU's memory.
        if (boot) markecumaydiffer();
        uploadfailed(port, stage, view);
        return stage;
    }
    view.setprogress(100);
    view.setstatus(QStringLiteral("Upload complete"));
    countedpause(port, 1000);
    modified = 0;
    markuploaded();
    storeupload(rxbuffer.data(), curimage);
    port.setPortOpen(false);
    calcmapsums();
    clearchanged();
    mapfilename = programfolder() + QStringLiteral("untitled.s20");
    showmapfilename();
    return {};
}

QString readfirmwaresig(SerialPort &port) {
    if (!port.PortOpen() && !opentransferport(port, comport, 12300).isEmpty())
        return QStringLiteral("ECU firmware: COM%1 could not be opened").arg(comport);
    if (!settleline(port)) {
        port.setPortOpen(false);
        return QStringLiteral("ECU firmware: no reply");
    }
    purgeinput(port, 1 << 20);
    port.Output(QByteArray(1, char(cmd::signature)));
    const int limit = int(duration_cast<milliseconds>(pollstime(signaturepolls)).count());
    QString text = QStringLiteral("ECU firmware: no reply");
    if (port.waitforinput(4, QDeadlineTimer(limit, Qt::PreciseTimer))) {
        port.setInputLen(4);
        const QByteArray b = port.Input();
        port.setInputLen(1);
        // On a line out of step four bytes that another follows are a late reply, not the
        // signature.
        commerror = 0;
        if (portend(port))
            text = QStringLiteral("ECU firmware: B0,%1,%2,%3,%4")
                       .arg(uint8_t(b[0]))
                       .arg(uint8_t(b[1]))
                       .arg(uint8_t(b[2]))
                       .arg(uint8_t(b[3]));
        else
            text = QStringLiteral("ECU firmware: late reply, read again");
    } else {
        marklineoutofstep();
    }
    port.setPortOpen(false);
    return text;
}

} // namespace korvane
