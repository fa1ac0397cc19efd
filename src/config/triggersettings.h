#pragma once
#include "editor/numbertext.h"

#include <cstdint>

namespace korvane {

// The trigger block of the settings page, row 13 (ECU 0x10D0-0x10DF), and its entries.
int16_t &triggerbyte(int k);
constexpr int triggeraddress(int k) { return 0x10D0 + k; }
constexpr int edgebyte = 0, cylsbyte = 3, refanglebyte = 5, vcticonfig = 11, vcteconfig = 15;

// Edges: 1 rising, 2 falling, 3 any edge. The trigger edge is bits 0-1, the sync edge bits
// 2-3; each choice also clears bits 4-5 and keeps the cam-timing feedback bits 6-7.
uint8_t withtriggeredge(uint8_t byte, int edge);
uint8_t withsyncedge(uint8_t byte, int edge);
// Cam-timing feedback, bits 6-7: single channel clears them (and bits 4-5), multi sets both.
inline uint8_t withfeedback(uint8_t byte, bool multi) { return multi ? byte | 0xC0 : byte & 0x0F; }

// CYLS: held to 4..8, then the even number at or below it.
entryresult cylsentry(const QString &typed);
// REF ANGLE (BTDC): held to 0..255, accepted only within 0..10 or 55..120.
entryresult refangleentry(const QString &typed);
// A whole-byte entry (offsets, gains, spreads): a number outside 0..255 is refused.
entryresult byteentry(const QString &typed);
// A 3-bit field of a configuration byte: the entry held to 0..7 goes to bits shift..shift+2.
entryresult fieldentry(const QString &typed, uint8_t byte, int shift);
constexpr int fieldvalue(int byte, int shift) { return (byte >> shift) & 7; }

} // namespace korvane
