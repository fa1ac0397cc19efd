#pragma once
#include <QString>
#include <array>
#include <optional>

namespace korvane {

struct valuesetting;

// How the settings window turns what the user typed into setting bytes and bytes back into
// text. Plain functions, so the encodings are reached without a window.

// The byte a value field's text stores once the row's corrections are applied; nothing when the
// text is not a number or the byte would leave 0..255 (the entry is then refused).
std::optional<int> enteredbyte(const valuesetting &setting, const QString &text);
// The text a value field shows for a stored byte.
QString valuetext(const valuesetting &setting, int byte);

// Injector trim in percent, held to -5..5, as its byte 128 + 10 x trim (78..178).
int trimbyte(double trim);
QString trimtext(int byte);

// The three gear road-speed bytes of six fields (gear 1, then the increments of gears 2..6):
// each field held to 0..15 and rounded, two per byte, high nibble first.
std::array<int, 3> gearvssbytes(const std::array<double, 6> &fields);
// Nibble n (0..5) of the three bytes, the value its field shows.
int gearvssnibble(const std::array<int, 3> &bytes, int n);

// The four-bit code of a gear boost trim in psi, held to -15..0: 0 stays 0, -1 is 15, -15 is 1.
int boostcode(double trim);
// The text of a boost trim code: 0 shows 0, any other code c shows c - 16.
QString boosttext(int code);

} // namespace korvane
