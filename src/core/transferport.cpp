#include "core/transferport.h"

#include "core/timing.h"
#include "platform/serialport.h"

#include <QDeadlineTimer>
#include <chrono>

namespace korvane {

QString opentransferport(SerialPort &port, int portnumber, int inbuffersize) {
    QString error = port.setCommPort(portnumber);
    if (error.isEmpty()) error = port.setSettings(QStringLiteral("57600,n,8,1"));
    if (!error.isEmpty()) return error;
    port.setInBufferSize(inbuffersize);
    port.setInputLen(1);
    return port.setPortOpen(true);
}

bool waitforcount(SerialPort &port, int count, float perpercent, const TransferView &view) {
    const auto stalllimit =
        std::chrono::duration_cast<std::chrono::milliseconds>(pollstime(10000)).count();
    int seen = port.InBufferCount();
    while (seen < count) {
        view.setprogress(int(float(seen) / perpercent));
        if (!port.waitforinput(seen + 1, QDeadlineTimer(stalllimit, Qt::PreciseTimer)))
            return false;
        seen = port.InBufferCount();
    }
    return true;
}

int purgeinput(SerialPort &port, int limit) {
    const QDeadlineTimer deadline(300);
    int read = 0;
    while (read < limit && port.InBufferCount() > 0 && !deadline.hasExpired()) {
        port.Input();
        ++read;
    }
    return read;
}

} // namespace korvane
