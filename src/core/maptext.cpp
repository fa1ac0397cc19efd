#include "core/maptext.h"

#include "core/calimage.h"
#include "core/linecheck.h"

namespace korvane {

namespace {
constexpr char hexdigits[] = "0123456789ABCDEF";

int hexvalue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

int lineoffset(int line) {
    return line * maplinelength;
}

uint8_t readbyte(const QByteArray &text, int offset) {
    return uint8_t(hexvalue(text[offset]) * 16 + hexvalue(text[offset + 1]));
}

void writebyte(QByteArray &text, int offset, int value) {
    text[offset] = hexdigits[(value >> 4) & 15];
    text[offset + 1] = hexdigits[value & 15];
}

uint8_t databyte(const QByteArray &text, int line, int b) {
    return readbyte(text, lineoffset(line) + mapdatastart + 2 * b);
}

QString shown(char c) {
    if (c >= 33 && c <= 126) return QString("\"%1\"").arg(QChar(c));
    return QString::asprintf("the byte 0x%02X", unsigned(uint8_t(c)));
}
} // namespace

int maplineaddress(int line) {
    if (line < 24) return 0x1000 + 32 * line;
    if (line < 96) return 0x1300 + 24 * (line - 24);
    if (line < 146) return 0x19C0 + 32 * (line - 96);
    if (line < 210) return 0x4000 + 32 * (line - 146);
    return 0x4800 + 32 * (line - 210);
}

int maplineimagebytes(int line) {
    return (line >= 24 && line < 96) ? 24 : 32;
}

QByteArray blankmaptext() {
    QByteArray text;
    text.reserve(mapfilelength);
    for (int line = 0; line < maplinecount; ++line) {
        // S1 record: count 0x23 = 2 address bytes + 32 data bytes + 1 check byte.
        text +=
            "S123" + QByteArray::number(maplineaddress(line), 16).toUpper().rightJustified(4, '0');
        text += QByteArray(64 + 2, '0');
        text += "\r\n";
    }
    return text;
}

QString checkmaptext(const QByteArray &text) {
    if (text.isEmpty()) return "The file is empty.";
    if (text.size() < mapfilelength) {
        QString why = QString("The file holds %1 bytes; a map file holds 402 lines of 76 bytes "
                              "(%2 bytes).")
                          .arg(text.size())
                          .arg(mapfilelength);
        if (text.contains('\n') && !text.contains("\r\n"))
            why += " Its lines end in LF only, where CR LF is expected.";
        return why;
    }
    for (int line = 0; line < maplinecount; ++line)
        for (int p = mapdatastart; p < mapcheckstart + 2; ++p) {
            const char c = text[lineoffset(line) + p];
            if (hexvalue(c) < 0)
                return QString("Line %1, position %2: %3 is not a hexadecimal digit.")
                    .arg(line + 1)
                    .arg(p + 1)
                    .arg(shown(c));
        }
    return {};
}

QString unpackimage(const QByteArray &text, calimage &image) {
    const QString error = checkmaptext(text);
    if (!error.isEmpty()) return error;
    calimage decoded = image; // keeps what the file does not hold (afrmap column 50)
    for (int line = 0; line < maplinecount; ++line)
        for (int b = 0; b < maplineimagebytes(line); ++b)
            setimagebyte(decoded, maplineaddress(line) + b, databyte(text, line, b));
    image = decoded;
    return {};
}

void packimage(const calimage &image, QByteArray &text) {
    for (int line = 0; line < maplinecount; ++line) {
        const int start = lineoffset(line) + mapdatastart;
        for (int b = 0; b < maplineimagebytes(line); ++b)
            writebyte(text, start + 2 * b, imagebyte(image, maplineaddress(line) + b));
        linesum[line] = 0;
        for (int b = 0; b < 32; ++b)
            addlinesig(line, b, databyte(text, line, b));
        writebyte(text, lineoffset(line) + mapcheckstart, linecheckbyte(line));
    }
}

void sumlines(const QByteArray &text) {
    for (int line = 0; line < maplinecount; ++line) {
        linesum[line] = 0;
        for (int b = 0; b < 32; ++b)
            addlinesig(line, b, databyte(text, line, b));
        linestored[line] = readbyte(text, lineoffset(line) + mapcheckstart);
    }
}

} // namespace korvane
