#include "core/commio.h"

#include "core/mainport.h"
#include "core/timing.h"
#include "platform/serialport.h"

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

// Waits for one byte for the time of replypolls polls.
void waitbyte(SerialPort &port) {
    QByteArray byte;
    if (port.waitforinput(1, QDeadlineTimer(replylimit.count(), Qt::PreciseTimer)))
        byte = port.Input();
    if (byte.isEmpty())
        commerror = 255;
    else
        commrx = uint8_t(byte[0]);
}

} // namespace

void portio(SerialPort &port, int mode) {
    commerror = 0;
    commerrtext.clear();
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

void commio(int mode) {
    portio(mainport(), mode);
    if (commerror == 0) return;
    commerrtext = mode >= 0 && mode <= 2 ? QStringLiteral(" failcount = %1 ").arg(replypolls + 1)
                                         : QStringLiteral(" unknown ");
}

int queryecu(uint8_t letter, uint8_t reply[4]) {
    commtx = letter;
    commio(0);
    if (commerror) return 0;
    reply[0] = commrx;
    for (int i = 1; i < 4; ++i) {
        commio(2);
        if (commerror) return i;
        reply[i] = commrx;
    }
    return 4;
}

} // namespace korvane
