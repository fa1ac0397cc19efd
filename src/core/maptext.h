#pragma once
#include <QByteArray>
#include <QString>

namespace korvane {

struct calimage;

// A map file is 402 lines of 76 bytes: an 8-byte header, 32 data bytes as hex digits
// (positions 8..71), a 2-digit check field (72..73) and a 2-byte line end.
constexpr int maplinelength = 76;
constexpr int mapfilelength = 30552;
constexpr int mapdatastart = 8;
constexpr int mapcheckstart = 72;

// ECU address of a line's first data byte, and how many of its data bytes are image bytes
// (24 for the lines of the PWM maps, whose last 8 bytes belong to no element).
int maplineaddress(int line);
int maplineimagebytes(int line);

// A valid line skeleton for a save when no file was loaded: "S123" + address, zero data,
// CR LF line ends.
QByteArray blankmaptext();

// Empty when text is a whole map text whose every digit the reader takes (data bytes, the
// spare bytes of the PWM lines, check fields) is hexadecimal; else what is wrong and where.
QString checkmaptext(const QByteArray &text);

// Checks text, then decodes it into image. On an error text image is left untouched.
QString unpackimage(const QByteArray &text, calimage &image);

// Writes image into the data digits of text (upper case) and recomputes every check field;
// the header, line ends and spare bytes of text stay. text must have passed checkmaptext or
// come from blankmaptext.
void packimage(const calimage &image, QByteArray &text);

// Fills linesum and linestored from a checked text.
void sumlines(const QByteArray &text);

} // namespace korvane
