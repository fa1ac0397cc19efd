#pragma once
#include <QString>
#include <cstdint>

namespace korvane {

class SerialPort;

// The one-byte exchange on the main port and the state it leaves behind.
extern uint8_t commtx;      // the byte to send next
extern uint8_t commrx;      // the last byte received
extern uint8_t commerror;   // 255 when the last exchange failed, else 0
extern QString commerrtext; // what failed; "" after a success

// mode 0: discard waiting input, send commtx and wait for one reply byte;
// mode 1: discard waiting input and send commtx;
// mode 2: wait for one further byte without sending.
// A missing reply leaves commrx unchanged, sets commerror 255 with " failcount = 30001 " and
// leaves the line out of step; any other mode sends nothing and fails with " unknown ".
void commio(int mode);
// The same exchange on another port (a transfer window's own); a failure sets only commerror
// (and the line out of step: the ECU is the same).
void portio(SerialPort &port, int mode);

// Marks the end of an exchange (a command and all its reply bytes) whose reply is to be used.
// While the line is out of step it waits one more reply time: bytes that come then are
// drained and fail the exchange (commerror 255, " late reply "); silence brings the line back
// in step. Does nothing after a failed exchange, and costs nothing while the line is in step.
// True when the exchange stands (commerror 0).
bool commend();
// The same on another port; a failure sets only commerror.
bool portend(SerialPort &port);

// Before a transfer's or a connection's first command on a line out of step: reads what the
// ECU still sends until the line has been quiet for a reply time. The line stays out of step:
// an answer that starts later still fails the exchange's end. True when the line went quiet
// (at once while it is in step); false when the ECU would not stop.
bool settleline(SerialPort &port);

// Sends letter and reads the four reply bytes of a query into reply, and ends the exchange.
// Returns how many bytes arrived: the query stops at the first exchange that fails, keeping
// the bytes before it, but none while the line is out of step, nor when the end fails.
int queryecu(uint8_t letter, uint8_t reply[4]);

} // namespace korvane
