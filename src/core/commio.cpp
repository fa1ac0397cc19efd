#include "core/commio.h"

#include "core/linestate.h"
#include "core/mainport.h"
#include "core/timing.h"
#include "platform/serialport.h"

#include <algorithm>
#include <chrono>

namespace korvane {

uint8_t commtx = 0;
uint8_t commrx = 0;
uint8_t commerror = 0;
QString commerrtext;

namespace {

constexpr auto replylimit =
    std::chrono::duration_cast<std::chrono::milliseconds>(pollstime(replypolls));

// Bounded too, so an ECU that never stops sending cannot freeze the program.
void discardinput(SerialPort &port) {
    const QDeadlineTimer deadline(replylimit.count());
    while (port.InBufferCount() >= 1 && !deadline.hasExpired())
        port.Input();
}

bool waitinput(SerialPort &port, std::chrono::milliseconds limit) {
    return port.waitforinput(1, QDeadlineTimer(limit.count(), Qt::PreciseTimer));
}

// Waits for one byte for the time of replypolls polls.
void waitbyte(SerialPort &port) {
    QByteArray byte;
    if (waitinput(port, replylimit)) byte = port.Input();
    if (byte.isEmpty()) {
        commerror = 255;
        marklineoutofstep();
    } else {
        commrx = uint8_t(byte[0]);
    }
}

// Reads until the line has been quiet for a reply time: a stalled ECU sends what it owes in
// one burst. Bounded, so an ECU that never stops sending cannot freeze the program. True when
// the line went quiet.
bool drain(SerialPort &port) {
    const QDeadlineTimer bound(
        std::chrono::duration_cast<std::chrono::milliseconds>(pollstime(settlepolls)).count());
    do {
        discardinput(port);
        if (bound.hasExpired()) return false;
    } while (waitinput(port, replylimit));
    return true;
}

} // namespace

void portio(SerialPort &port, int mode) {
    commerror = 0;
    commerrtext.clear();
    // Nothing reaches a port the program closed, so the ECU owes nothing for it.
    if (!port.PortOpen() && port.fault().isEmpty()) {
        commerror = 255;
        return;
    }
    switch (mode) {
    case 0:
    case 1:
        discardinput(port);
        port.Output(QByteArray(1, char(commtx)));
        if (mode == 0) waitbyte(port);
        return;
    case 2:
        waitbyte(port);
        return;
    default:
        commerror = 255;
    }
}

bool portend(SerialPort &port) {
    if (commerror != 0) return false;
    if (lineinstep()) return true;
    if (!waitinput(port, replylimit)) {
        marklineinstep();
        return true;
    }
    drain(port);
    commerror = 255;
    return false;
}

bool settleline(SerialPort &port) {
    return lineinstep() || drain(port);
}

bool commend() {
    if (commerror != 0) return false;
    if (portend(mainport())) return true;
    commerrtext = QStringLiteral(" late reply ");
    return false;
}

void commio(int mode) {
    portio(mainport(), mode);
    if (commerror == 0) return;
    commerrtext = mode >= 0 && mode <= 2 ? QStringLiteral(" failcount = %1 ").arg(replypolls + 1)
                                         : QStringLiteral(" unknown ");
}

int queryecu(uint8_t letter, uint8_t reply[4]) {
    const bool instep = lineinstep();
    uint8_t bytes[4];
    commtx = letter;
    int got = 0;
    for (; got < 4; ++got) {
        commio(got == 0 ? 0 : 2);
        if (commerror) break;
        bytes[got] = commrx;
    }
    if (got == 4 && !commend()) return 0;
    if (got < 4 && !instep) return 0;
    std::copy(bytes, bytes + got, reply);
    return got;
}

} // namespace korvane
