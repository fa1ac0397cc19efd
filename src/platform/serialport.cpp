#include "platform/serialport.h"

#include "platform/programfolder.h"

#include <QFileInfo>
#include <QSerialPort>
#include <QStringList>

#ifdef Q_OS_UNIX
#include <termios.h>
#endif
#ifdef Q_OS_LINUX
#include <linux/serial.h>
#include <sys/ioctl.h>
#endif

namespace korvane {

namespace {

struct LineSettings {
    qint32 baud = 0;
    QSerialPort::Parity parity = QSerialPort::NoParity;
    QSerialPort::DataBits databits = QSerialPort::Data8;
    QSerialPort::StopBits stopbits = QSerialPort::OneStop;
};

// Parses "57600,n,8,1"; false on anything malformed.
bool parsesettings(const QString &text, LineSettings &out) {
    const QStringList fields = text.trimmed().toLower().split(',');
    if (fields.size() != 4) return false;
    bool ok = false;
    out.baud = fields[0].trimmed().toInt(&ok);
    if (!ok || out.baud <= 0) return false;

    const QString parity = fields[1].trimmed();
    if (parity == "n")
        out.parity = QSerialPort::NoParity;
    else if (parity == "e")
        out.parity = QSerialPort::EvenParity;
    else if (parity == "o")
        out.parity = QSerialPort::OddParity;
    else if (parity == "m")
        out.parity = QSerialPort::MarkParity;
    else if (parity == "s")
        out.parity = QSerialPort::SpaceParity;
    else
        return false;

    const int bits = fields[2].trimmed().toInt(&ok);
    if (!ok || bits < 5 || bits > 8) return false;
    out.databits = QSerialPort::DataBits(bits);

    const QString stop = fields[3].trimmed();
    if (stop == "1")
        out.stopbits = QSerialPort::OneStop;
    else if (stop == "1.5")
        out.stopbits = QSerialPort::OneAndHalfStop;
    else if (stop == "2")
        out.stopbits = QSerialPort::TwoStop;
    else
        return false;
    return true;
}

#ifdef Q_OS_LINUX
int systemcontrol(int fd, unsigned long request, void *argument) {
    return ::ioctl(fd, request, argument);
}
#else
int systemcontrol(int, unsigned long, void *) {
    return -1;
}
#endif
PortControl portcontrol = systemcontrol;

// Every exchange waits for its reply, so a USB serial adapter that holds received bytes for its
// latency timer (16 ms on the common chips) would add that to every reply. Asks the driver to
// pass them on at once; a port without the request (a pseudo-terminal) is left as it is.
void asklowlatency(QSerialPort &port) {
#ifdef Q_OS_LINUX
    const int fd = port.handle();
    serial_struct serial{};
    if (fd < 0 || portcontrol(fd, TIOCGSERIAL, &serial) != 0) return;
    if (serial.flags & ASYNC_LOW_LATENCY) return;
    serial.flags |= ASYNC_LOW_LATENCY;
    portcontrol(fd, TIOCSSERIAL, &serial);
#else
    Q_UNUSED(port);
#endif
}

} // namespace

void setportcontrol(PortControl control) {
    portcontrol = control ? control : systemcontrol;
}

SerialPort::SerialPort() : port(std::make_unique<QSerialPort>()) {}

SerialPort::~SerialPort() {
    if (port->isOpen()) port->close();
}

QString SerialPort::devicepath(int n) {
    const QString link = programfolder() + QStringLiteral("com%1").arg(n);
    const QFileInfo info(link);
    if (info.exists() || info.isSymLink()) return link;
    return QStringLiteral("/dev/ttyS%1").arg(n - 1);
}

QString SerialPort::setCommPort(int n) {
    if (port->isOpen()) return QStringLiteral("the port is already open");
    if (n < 1) return QStringLiteral("invalid port number %1").arg(n);
    commport = n;
    return {};
}

QString SerialPort::setSettings(const QString &settings) {
    LineSettings parsed;
    if (!parsesettings(settings, parsed))
        return QStringLiteral("invalid settings \"%1\"").arg(settings);
    settingstext = settings;
    if (port->isOpen()) {
        const bool ok = port->setBaudRate(parsed.baud) && port->setParity(parsed.parity) &&
                        port->setDataBits(parsed.databits) && port->setStopBits(parsed.stopbits);
        if (!ok) return port->errorString();
    }
    return {};
}

bool SerialPort::PortOpen() const {
    return port->isOpen();
}

QString SerialPort::setPortOpen(bool open) {
    failure.clear();
    if (!open) {
        if (port->isOpen()) port->close();
        return {};
    }
    if (port->isOpen()) return QStringLiteral("the port is already open");
    LineSettings parsed;
    parsesettings(settingstext, parsed);
    const QString device = devicepath(commport);
    port->setPortName(device);
    port->setBaudRate(parsed.baud);
    port->setParity(parsed.parity);
    port->setDataBits(parsed.databits);
    port->setStopBits(parsed.stopbits);
    port->setFlowControl(QSerialPort::NoFlowControl);
    port->setReadBufferSize(0); // unbounded: a whole upload waits here, not in the tty
    if (!port->open(QIODevice::ReadWrite)) {
        const QString reason = port->errorString();
        port->clearError();
        return device + QStringLiteral(": ") +
               (reason.isEmpty() ? QStringLiteral("the port cannot be opened") : reason);
    }
    asklowlatency(*port);
    return {};
}

void SerialPort::checkerror() {
    const QSerialPort::SerialPortError error = port->error();
    if (error == QSerialPort::NoError) return;
    if (error != QSerialPort::TimeoutError) {
        // A line that ends (the other end hung up, the device went) leaves an unrelated
        // system text ("Resource temporarily unavailable").
        const bool lost = error == QSerialPort::ReadError || error == QSerialPort::ResourceError;
        failure = lost ? QStringLiteral("the line was hung up or the device removed")
                       : port->errorString();
        if (failure.isEmpty()) failure = QStringLiteral("the port failed");
        port->close();
    }
    port->clearError();
}

int SerialPort::InBufferCount() {
    if (!port->isOpen()) return 0;
    port->waitForReadyRead(0); // pulls in what the line delivered, without waiting
    checkerror();
    return port->isOpen() ? int(port->bytesAvailable()) : 0;
}

QByteArray SerialPort::Input() {
    if (!port->isOpen()) return {};
    InBufferCount();
    return inputlen == 0 ? port->readAll() : port->read(inputlen);
}

void SerialPort::Output(const QByteArray &bytes) {
    if (!port->isOpen() || bytes.isEmpty()) return;
    port->write(bytes);
    port->flush(); // no event loop runs during an exchange: push the bytes out now
    checkerror();
}

bool SerialPort::waitforinput(int count, QDeadlineTimer deadline) {
    if (!port->isOpen()) return false;
    while (InBufferCount() < count) {
        const qint64 remaining = deadline.remainingTime();
        if (remaining == 0) return false;
        if (!port->isOpen()) return false;
        port->waitForReadyRead(int(remaining < 0 ? 1000 : remaining));
        checkerror();
    }
    return true;
}

void SerialPort::drain() {
    if (!port->isOpen()) return;
    QDeadlineTimer deadline(1000);
    while (port->bytesToWrite() > 0 && !deadline.hasExpired())
        port->waitForBytesWritten(int(deadline.remainingTime()));
#ifdef Q_OS_UNIX
    // The kernel still holds what it accepted; at 57600 baud a byte takes 174 us.
    if (port->handle() >= 0) tcdrain(port->handle());
#endif
}

} // namespace korvane
