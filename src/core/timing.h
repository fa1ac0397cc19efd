#pragma once
#include <chrono>

namespace korvane {

class SerialPort;

// The serial code counts: polls of the input count while it waits for a reply, and empty
// rounds for the pauses the ECU needs between bytes. This is the one place where those counts
// become time, so that the link behaves the same on a fast or a slow computer.

// A wait of N polls of the input count lasts N x 10 us.
constexpr std::chrono::microseconds pollstime(long polls) {
    return std::chrono::microseconds(polls * 10);
}
// A counted pause of N rounds lasts N x 1 us.
constexpr std::chrono::microseconds roundstime(long rounds) {
    return std::chrono::microseconds(rounds);
}

constexpr long replypolls = 30000;      // one reply byte: 300 ms
constexpr long promptpolls = 10000;     // an upload prompt: 100 ms
constexpr long signaturepolls = 100000; // the firmware signature: 1 s
// How long the program reads what an out-of-step ECU still sends before it gives up waiting
// for quiet: longer than a whole late upload (12290 bytes at 57600 baud, 2.1 s).
constexpr long settlepolls = 300000; // 3 s

constexpr long pauseP1 = 100;    // after each byte of the write sequence: 100 us
constexpr long pauseP2 = 30001;  // after the download head and each closing zero: 30 ms
constexpr long pauseP3 = 600001; // after the download start prompt: 600 ms
constexpr long pauseP4 = 10001;  // after the last download line: 10 ms

// Pauses for the given rounds, never ending before the bytes already written to the port have
// left it, so the ECU really gets the gap after the last byte.
void countedpause(SerialPort &port, long rounds);

} // namespace korvane
