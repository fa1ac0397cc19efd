#include "core/colours.h"

#include "platform/programfolder.h"
#include "platform/savefile.h"

#include <QFile>
#include <cmath>

namespace korvane {

uint32_t colours[8]{};
uint32_t fueltrace[32][32]{};
uint32_t sparktrace[32][32]{};
uint32_t visittrace[3][32][32]{};

namespace {
// The colour slots colors.dat keeps, in file order; 4 and 7 are derived at run time.
constexpr int keptslots[6]{0, 1, 2, 3, 5, 6};
constexpr int backgroundslot = 0, wireslot = 1, blendslot = 7;

int channel(uint32_t colour, int shift) { return int((colour >> shift) & 255); }
} // namespace

QString coloursfile() { return programfolder() + "colors.dat"; }

QByteArray encodecolours()
{
    QByteArray bytes;
    for (int slot : keptslots)
        for (int shift = 24; shift >= 0; shift -= 8) bytes.append(char(channel(colours[slot], shift)));
    return bytes;
}

void decodecolours(const QByteArray &bytes)
{
    auto byteat = [&bytes](int i) { return i < bytes.size() ? uint32_t(uint8_t(bytes[i])) : 0u; };
    for (int k = 0; k < 6; ++k)
        colours[keptslots[k]] = byteat(4 * k + 1) << 16 | byteat(4 * k + 2) << 8 | byteat(4 * k + 3);
    colours[blendslot] = blendcolour(colours[backgroundslot], colours[wireslot]);
}

uint32_t blendcolour(uint32_t background, uint32_t wire)
{
    uint32_t blend = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const double mixed = 0.3 * channel(background, shift) + 0.68 * channel(wire, shift);
        blend |= uint32_t(std::nearbyint(mixed)) << shift;
    }
    return blend;
}

void resettraces(uint32_t colour)
{
    for (int x = 0; x < 32; ++x)
        for (int y = 0; y < 32; ++y) fueltrace[x][y] = sparktrace[x][y] = colour;
    for (auto &map : visittrace)
        for (int x = 0; x < 24; ++x)
            for (int y = 0; y < 24; ++y) map[x][y] = colour;
}

void loadcolors()
{
    QFile file(coloursfile());
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly)) bytes = file.read(coloursbytes);
    decodecolours(bytes);
    resettraces(colours[wireslot]);
}

QString savecolors() { return writewholefile(coloursfile(), encodecolours()); }

} // namespace korvane
