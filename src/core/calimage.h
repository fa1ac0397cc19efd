#pragma once
#include <array>
#include <cstdint>
#include <vector>

namespace korvane {

// The PC's copy of the ECU calibration memory: 0x1000-0x1FFF (block 1) and 0x4000-0x5FFF
// (block 2). Every element holds one ECU byte, except fuelmap, whose cells hold 16 bits.
struct calimage {
    int16_t settings[48][16]; // 0x1000 + 16*r + k; rows 16..47 are the tables of maps 8..39
    int16_t pwmmaps[72][24];  // 0x1300 + 24*c + y; maps 40..42 side by side
    int16_t afrmap[51][32];   // 0x19C0 + 32*c + j; 0..31 map 43, 42..49 comment, 50 unstored
    int32_t fuelmap[32][32];  // high byte at 0x4000 + 64*x + 2*y, low byte next
    int16_t rammaps[192][32]; // 0x4800 + 32*c + y; maps 2..7 side by side
};

extern calimage curimage; // the calibration being edited
extern calimage srcimage; // the source of a map import

// Per-map byte sums of maps 1..7 (index m-1), compared modulo 256 with the ECU's checksum.
extern int32_t mapsums[7];
// Changed-cell flags, 255 = changed since the last load or upload: k = m-1 for maps 1..7,
// k = m-33 for maps 40..43.
extern uint8_t cellchanged[11][32][32];

// Recomputes all seven mapsums from curimage.
void calcmapsums();
// Clears every cellchanged flag and forgets the VCTi spread: both describe the image last
// loaded as current or uploaded, so a new image never shows map 40 with an older spread.
void clearchanged();

constexpr int block1start = 0x1000, block1end = 0x1FFF;
constexpr int block2start = 0x4000, block2end = 0x5FFF;
constexpr int imagebytes = 12288;

// True for an address inside one of the two calibration blocks.
constexpr bool isecuaddress(int address)
{
    return (address >= block1start && address <= block1end) ||
           (address >= block2start && address <= block2end);
}

// The ECU byte at address as the image holds it; -1 for an address outside both blocks.
int imagebyte(const calimage &image, int address);
// Stores one ECU byte into the element at address; false (nothing stored) outside both blocks.
bool setimagebyte(calimage &image, int address, uint8_t value);

// ECU address of an element (fuelmap: of its high byte).
constexpr int settingsaddress(int r, int k) { return 0x1000 + 16 * r + k; }
constexpr int pwmaddress(int c, int y) { return 0x1300 + 24 * c + y; }
constexpr int afraddress(int c, int j) { return 0x19C0 + 32 * c + j; }
constexpr int fueladdress(int x, int y) { return 0x4000 + 64 * x + 2 * y; }
constexpr int ramaddress(int c, int y) { return 0x4800 + 32 * c + y; }

// The image's 12288 bytes in ECU address order, block 1 then block 2 (the download's order).
std::vector<uint8_t> ecuorder(const calimage &image);
// The same bytes in upload order: block 2 first, then block 1.
std::vector<uint8_t> uploadorder(const calimage &image);
// The ECU address of byte i (0..12287) of each order.
int ecuorderaddress(int i);
int uploadorderaddress(int i);

} // namespace korvane
