#include "platform/serialport.h"
#include "simecu.h"
#include "tempfolder.h"

#include <QElapsedTimer>
#include <gtest/gtest.h>

#include <cerrno>
#include <linux/serial.h>
#include <sys/ioctl.h>

using namespace korvane;
using namespace korvane::test;

TEST(SerialPort, FindsTheLinkElseTheSystemPort) {
    TempProgramFolder folder;
    EXPECT_EQ(SerialPort::devicepath(3), "/dev/ttyS2");
    SimEcu ecu(3);
    ASSERT_TRUE(ecu.ok());
    EXPECT_EQ(SerialPort::devicepath(3), folder.file("com3"));
}

TEST(SerialPort, RefusesWhatTheControlWouldRaiseAnErrorFor) {
    TempProgramFolder folder;
    SerialPort port;
    EXPECT_FALSE(port.setCommPort(0).isEmpty());
    for (const char *bad : {"57600", "57600,x,8,1", "57600,n,9,1", "fast,n,8,1", "57600,n,8,3"})
        EXPECT_FALSE(port.setSettings(bad).isEmpty()) << bad;
    EXPECT_EQ(port.setSettings("57600,n,8,1"), QString());

    EXPECT_EQ(port.setCommPort(60), QString());
    EXPECT_FALSE(port.setPortOpen(true).isEmpty()); // nothing behind COM60 (/dev/ttyS59)
    EXPECT_FALSE(port.PortOpen());

    SimEcu ecu(60);
    ASSERT_EQ(port.setPortOpen(true), QString());
    EXPECT_FALSE(port.setCommPort(2).isEmpty());
    EXPECT_EQ(port.CommPort(), 60);
}

TEST(SerialPort, InputTakesInputLenBytes) {
    TempProgramFolder folder;
    SimEcu ecu(1);
    SerialPort port;
    port.setSettings("57600,n,8,1");
    ASSERT_EQ(port.setPortOpen(true), QString());
    ecu.sendstale(QByteArray("\x11\x13\x0d\x0a\x00", 5));
    ASSERT_TRUE(port.waitforinput(5, QDeadlineTimer(1000)));
    port.setInputLen(2);
    EXPECT_EQ(port.Input(), QByteArray("\x11\x13", 2));
    port.setInputLen(0);
    EXPECT_EQ(port.Input(), QByteArray("\x0d\x0a\x00", 3));
    EXPECT_EQ(port.InBufferCount(), 0);
    EXPECT_FALSE(port.waitforinput(1, QDeadlineTimer(30)));
}

// The ECU's end of the line goes away: the port closes itself and says why, at once, instead
// of waiting out every reply on a dead line.
TEST(SerialPort, ALineThatWentAwayClosesThePortWithItsReason) {
    TempProgramFolder folder;
    SimEcu ecu(1);
    SerialPort port;
    port.setSettings("57600,n,8,1");
    ASSERT_EQ(port.setPortOpen(true), QString());
    ecu.hangup();
    QElapsedTimer clock;
    clock.start();
    port.Output("c");
    EXPECT_FALSE(port.waitforinput(1, QDeadlineTimer(2000)));
    EXPECT_LT(clock.elapsed(), 500);
    EXPECT_FALSE(port.PortOpen());
    EXPECT_FALSE(port.fault().isEmpty());
    EXPECT_EQ(port.InBufferCount(), 0);
    port.setPortOpen(false);
    EXPECT_EQ(port.fault(), QString()); // the program's own close starts afresh
}

// The benchmarks' cost of a real cable rests on this: a USB adapter's latency timer holds every
// reply, each one counted from its own command.
TEST(SerialPort, ASimulatedLatencyHoldsEveryReply) {
    TempProgramFolder folder;
    SimEcu ecu(1);
    ecu.setfirmware(0x42);
    ecu.setlatency(16);
    SerialPort port;
    port.setSettings("57600,n,8,1");
    ASSERT_EQ(port.setPortOpen(true), QString());
    for (int exchange = 0; exchange < 2; ++exchange) {
        QElapsedTimer clock;
        clock.start();
        port.Output("c");
        ASSERT_TRUE(port.waitforinput(1, QDeadlineTimer(1000)));
        EXPECT_GE(clock.elapsed(), 16);
        EXPECT_EQ(port.Input(), QByteArray("\x42"));
    }
}

namespace {
int driverflags;             // the flags the driver reports; -1: it has no such request
std::vector<int> flagsasked; // the flags of each request to set them

int drivercontrol(int, unsigned long request, void *argument) {
    auto *serial = static_cast<serial_struct *>(argument);
    if (request == TIOCSSERIAL) flagsasked.push_back(serial->flags);
    if (driverflags < 0) return errno = ENOTTY, -1;
    if (request == TIOCGSERIAL) serial->flags = driverflags;
    return 0;
}
} // namespace

// Opening a port asks its driver for low latency, keeping the driver's other flags; a port
// without the request (a pseudo-terminal), or already at low latency, is left as it is.
TEST(SerialPort, AsksTheDriverForLowLatencyWhereItHasTheRequest) {
    TempProgramFolder folder;
    SimEcu ecu(1);
    setportcontrol(drivercontrol);
    for (const auto &[flags, asked] :
         {std::pair<int, std::vector<int>>{ASYNC_SKIP_TEST, {ASYNC_SKIP_TEST | ASYNC_LOW_LATENCY}},
          {-1, {}},
          {ASYNC_LOW_LATENCY, {}}}) {
        driverflags = flags;
        flagsasked.clear();
        SerialPort port;
        ASSERT_EQ(port.setPortOpen(true), QString());
        EXPECT_EQ(flagsasked, asked) << flags;
    }
    setportcontrol(nullptr);
}
