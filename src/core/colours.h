#pragma once
#include <QByteArray>
#include <QString>
#include <cstdint>

namespace korvane {

// Display colours, 0x00BBGGRR: 0 background, 1 wire graph (and the base of every trace),
// 2 rpm band, 3 load band, 4 panel state, 5 keyboard trim band, 6 highlight, 7 blend.
extern uint32_t colours[8];

// Per-cell trace colours written by the live poll; an element equal to colours[1] means the
// cell was never visited.
extern uint32_t fueltrace[32][32];
extern uint32_t sparktrace[32][32];
extern uint32_t visittrace[3][32][32];

constexpr int coloursbytes = 24;

// colors.dat in the program folder.
QString coloursfile();

// The 24 bytes of colors.dat: colours 0, 1, 2, 3, 5 and 6, four bytes each, high byte first.
QByteArray encodecolours();
// Sets colours 0, 1, 2, 3, 5 and 6 from the bytes of colors.dat (the first byte of each
// record is not used; bytes a short file lacks count as zero), then derives the blend.
void decodecolours(const QByteArray &bytes);

// The blend of background and wire graph: per channel 0.3 of the one plus 0.68 of the other,
// rounded half to even.
uint32_t blendcolour(uint32_t background, uint32_t wire);

// Marks every trace cell as never visited: fueltrace and sparktrace whole, the 24 x 24
// corner of each visittrace map.
void resettraces(uint32_t colour);

// Reads colors.dat into colours, derives the blend and resets the traces to the wire graph
// colour. A missing, unreadable or short file leaves the missing colours black; nothing is
// reported.
void loadcolors();
// Writes the six kept colours to colors.dat whole (the old file stays intact if the write
// fails). Returns an empty text on success, else what went wrong, for the caller to tell the
// user.
QString savecolors();

} // namespace korvane
