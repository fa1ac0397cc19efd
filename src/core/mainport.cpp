#include "core/mainport.h"

#include "core/onlineops.h"
#include "core/prefs.h"
#include "platform/serialport.h"

namespace korvane {

SerialPort &mainport() {
    static SerialPort port;
    return port;
}

namespace {
QString openmainporton(int number) {
    SerialPort &port = mainport();
    closemainport(); // a second attempt starts afresh
    trimcolumn = {}; // whatever the ECU trimmed before, it has not said so on this port
    if (!port.setCommPort(number).isEmpty()) {
        closemainport();
        return QStringLiteral("an error occurred setting the com port number");
    }
    if (!port.setSettings(QStringLiteral("57600,n,8,1")).isEmpty()) {
        closemainport();
        return QStringLiteral("an error occurred setting the com port baud rate or settings");
    }
    const QString reason = port.setPortOpen(true);
    if (!reason.isEmpty()) {
        closemainport();
        return QStringLiteral("an error occurred opening the com port: ") + reason;
    }
    port.setInputLen(1);
    return {};
}
} // namespace

QString openmainport() {
    return openmainporton(comport);
}

QString reopenmainport() {
    return openmainporton(mainport().CommPort());
}

void closemainport() {
    mainport().setPortOpen(false);
}

} // namespace korvane
