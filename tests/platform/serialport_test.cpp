#include "platform/serialport.h"
#include "simecu.h"
#include "tempfolder.h"

#include <QElapsedTimer>
#include <gtest/gtest.h>

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
