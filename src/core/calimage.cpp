#include "core/calimage.h"

#include "core/editorstate.h"

#include <cstring>

namespace korvane {

calimage curimage{};
calimage srcimage{};
int32_t mapsums[7]{};
uint8_t cellchanged[11][32][32]{};

void calcmapsums()
{
    std::memset(mapsums, 0, sizeof mapsums);
    for (const auto &row : curimage.fuelmap)
        for (int32_t v : row) mapsums[0] += v / 256 + v % 256;
    for (int m = 2; m <= 7; ++m)
        for (int c = (m - 2) * 32; c < (m - 2) * 32 + 32; ++c)
            for (int16_t v : curimage.rammaps[c]) mapsums[m - 1] += v;
}

void clearchanged()
{
    std::memset(cellchanged, 0, sizeof cellchanged);
    vctspread = 0;
}

int imagebyte(const calimage &image, int a)
{
    if (a >= 0x1000 && a < 0x1300) return image.settings[(a - 0x1000) / 16][(a - 0x1000) % 16];
    if (a >= 0x1300 && a < 0x19C0) return image.pwmmaps[(a - 0x1300) / 24][(a - 0x1300) % 24];
    if (a >= 0x19C0 && a < 0x2000) return image.afrmap[(a - 0x19C0) / 32][(a - 0x19C0) % 32];
    if (a >= 0x4000 && a < 0x4800) {
        const int32_t cell = image.fuelmap[(a - 0x4000) / 64][((a - 0x4000) % 64) / 2];
        return (a % 2 == 0) ? (cell >> 8) & 255 : cell & 255;
    }
    if (a >= 0x4800 && a < 0x6000) return image.rammaps[(a - 0x4800) / 32][(a - 0x4800) % 32];
    return -1;
}

bool setimagebyte(calimage &image, int a, uint8_t v)
{
    if (a >= 0x1000 && a < 0x1300) {
        image.settings[(a - 0x1000) / 16][(a - 0x1000) % 16] = v;
    } else if (a >= 0x1300 && a < 0x19C0) {
        image.pwmmaps[(a - 0x1300) / 24][(a - 0x1300) % 24] = v;
    } else if (a >= 0x19C0 && a < 0x2000) {
        image.afrmap[(a - 0x19C0) / 32][(a - 0x19C0) % 32] = v;
    } else if (a >= 0x4000 && a < 0x4800) {
        int32_t &cell = image.fuelmap[(a - 0x4000) / 64][((a - 0x4000) % 64) / 2];
        cell = (a % 2 == 0) ? (v << 8) | (cell & 255) : (cell & 0xFF00) | v;
    } else if (a >= 0x4800 && a < 0x6000) {
        image.rammaps[(a - 0x4800) / 32][(a - 0x4800) % 32] = v;
    } else {
        return false;
    }
    return true;
}

int ecuorderaddress(int i) { return i < 4096 ? block1start + i : block2start + (i - 4096); }
int uploadorderaddress(int i) { return i < 8192 ? block2start + i : block1start + (i - 8192); }

std::vector<uint8_t> ecuorder(const calimage &image)
{
    std::vector<uint8_t> bytes(imagebytes);
    for (int i = 0; i < imagebytes; ++i) bytes[i] = uint8_t(imagebyte(image, ecuorderaddress(i)));
    return bytes;
}

std::vector<uint8_t> uploadorder(const calimage &image)
{
    std::vector<uint8_t> bytes(imagebytes);
    for (int i = 0; i < imagebytes; ++i)
        bytes[i] = uint8_t(imagebyte(image, uploadorderaddress(i)));
    return bytes;
}

} // namespace korvane
