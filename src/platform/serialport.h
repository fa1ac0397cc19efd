#pragma once
#include <QByteArray>
#include <QDeadlineTimer>
#include <QString>
#include <memory>

class QSerialPort;

namespace korvane {

// The serial communications control: one port with the properties the program sets and reads.
// Bytes pass raw, 8 bits, with no flow control, so 0x11 and 0x13 are ordinary data. The input
// buffer is Qt's own and unbounded; InBufferSize is kept only as the value the program asked for.
//
// Where the control would raise a run-time error, the setter returns the reason instead
// (empty on success) and changes nothing.
class SerialPort {
  public:
    SerialPort();
    ~SerialPort();
    SerialPort(const SerialPort &) = delete;
    SerialPort &operator=(const SerialPort &) = delete;

    // COM port n (1 and up); fails while the port is open.
    QString setCommPort(int port);
    int CommPort() const { return commport; }
    // "baud,parity,data,stop", e.g. "57600,n,8,1"; fails on a malformed text.
    QString setSettings(const QString &settings);
    QString Settings() const { return settingstext; }
    // Opens or closes the port; opening fails when the device is missing or in use, with the
    // device's path and the system's reason.
    QString setPortOpen(bool open);
    bool PortOpen() const;
    // Why the port closed itself: a read or write failed for good (the device was removed, the
    // other end of the line went away), which no later exchange can mend. Empty while the port
    // works or was never opened; cleared when the program opens or closes the port.
    QString fault() const { return failure; }
    // How many bytes one read of Input takes; 0 takes all that are waiting.
    void setInputLen(int n) { inputlen = n < 0 ? 0 : n; }
    int InputLen() const { return inputlen; }
    void setInBufferSize(int n) { inbuffersize = n; }
    int InBufferSize() const { return inbuffersize; }

    // Bytes waiting, after taking in whatever the line has delivered so far.
    int InBufferCount();
    // Takes InputLen waiting bytes (fewer when fewer wait; all when InputLen is 0).
    QByteArray Input();
    // Hands the bytes to the line.
    void Output(const QByteArray &bytes);

    // Waits until at least count bytes wait or the deadline passes; true when they do.
    bool waitforinput(int count, QDeadlineTimer deadline);
    // Returns once the bytes written so far have left the port, or after at most a second.
    void drain();

    // The device COM port n opens: the link programfolder()/comN when there is one,
    // else /dev/ttyS{n-1}.
    static QString devicepath(int port);

  private:
    // Takes note of the error the last operation left: a poll that found nothing is no fault;
    // anything else closes the port, so nothing waits or spins on a dead line.
    void checkerror();

    std::unique_ptr<QSerialPort> port;
    QString failure;
    int commport = 1;
    QString settingstext = QStringLiteral("9600,n,8,1");
    int inputlen = 0;
    int inbuffersize = 1024;
};

// What reads and sets a port's driver flags when it opens (the system's ioctl): 0, or -1 with
// errno set. Tests install their own to stand for a USB adapter's driver; nullptr puts the
// system's back.
using PortControl = int (*)(int fd, unsigned long request, void *argument);
void setportcontrol(PortControl control);

} // namespace korvane
