#include "core/logupload.h"

#include "core/commands.h"
#include "core/commio.h"
#include "core/flags.h"
#include "core/linestate.h"
#include "core/mainport.h"
#include "core/prefs.h"
#include "core/timing.h"
#include "core/transferport.h"
#include "core/upload.h"
#include "platform/beep.h"
#include "platform/serialport.h"

namespace korvane {

namespace {
LogUpload receivelog(SerialPort &port, int portnumber, const TransferView &view) {
    // A port that never opened sent nothing: the ECU owes nothing for it.
    if (!port.PortOpen() && !opentransferport(port, portnumber, 28700).isEmpty())
        return LogUpload::notsent;
    view.setprogress(1);
    view.setstatus(QStringLiteral("Log upload in progress...."));
    if (!settleline(port)) return LogUpload::failed;
    purgeinput(port, 1 << 20);
    port.Output(QByteArray(1, char(cmd::storedlog)));
    if (!waitforcount(port, storedlogbytes + 1, 310.0f, view)) return LogUpload::failed;
    port.setInputLen(storedlogbytes + 1);
    const QByteArray log = port.Input();
    port.setInputLen(1);
    if (log.size() < storedlogbytes + 1) return LogUpload::failed;
    uint8_t total = 0;
    for (int i = 0; i < storedlogbytes; ++i) {
        rxbuffer[i] = uint8_t(log[i]);
        total = uint8_t(total + rxbuffer[i]);
    }
    return total == uint8_t(log[storedlogbytes]) ? LogUpload::complete : LogUpload::badsum;
}
} // namespace

int storedlogport() {
    return online == flagset ? mainport().CommPort() : comport;
}

LogUpload uploadlog(SerialPort &port, const TransferView &view) {
    const bool mainwasopen = mainport().PortOpen();
    // A main port that died meanwhile takes the program offline with its reason before the
    // close below forgets it.
    if (!mainwasopen) takeofflineifportdead();
    const int portnumber = storedlogport();
    closemainport();
    const LogUpload outcome = receivelog(port, portnumber, view);
    if (outcome == LogUpload::complete) {
        view.setprogress(100);
        view.setstatus(QStringLiteral("Upload complete"));
        countedpause(port, 1000);
    } else {
        // The ECU may still be sending the log the program gave up on.
        if (outcome == LogUpload::failed) marklineoutofstep();
        const QString reason = port.fault();
        view.setstatus(reason.isEmpty() ? QStringLiteral("Upload failed")
                                        : QStringLiteral("Upload failed: ") + reason);
    }
    port.setPortOpen(false);
    if (mainwasopen) restoremainport();
    if (outcome != LogUpload::complete) beep();
    return outcome;
}

} // namespace korvane
