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
// A missing reply leaves commrx unchanged and sets commerror 255 with " failcount = 30001 ";
// any other mode sends nothing and fails with " unknown ".
void commio(int mode);
// The same exchange on another port (a transfer window's own); a failure sets only commerror.
void portio(SerialPort &port, int mode);

// Sends letter and reads the four reply bytes of a query into reply. Returns how many arrived:
// the query stops at the first exchange that fails, keeping the bytes before it.
int queryecu(uint8_t letter, uint8_t reply[4]);

} // namespace korvane
