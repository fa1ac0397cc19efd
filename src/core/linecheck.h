#pragma once
#include <array>
#include <cstdint>

namespace korvane {

// The 192-byte sequence the ECU expects in its write exchanges: bytes 0..127 follow the 'B'
// that opens a download, bytes 128..191 close every single-setting write. The simulated ECU
// checks against this same definition.
constexpr std::array<uint8_t, 192> writeseqdefinition()
{
    std::array<uint8_t, 192> bytes{};
    uint32_t x = 0x5A;
    for (auto &byte : bytes) {
        x = (x * 109 + 89) & 255;
        byte = uint8_t(x);
    }
    return bytes;
}

constexpr int maplinecount = 402;

// Tables built once by inittables.
extern uint8_t writeseq[192];
extern uint8_t sigperm[256];   // permutation of 0..255 that turns a line sum into its check byte
extern uint8_t sigweights[64]; // weight k is sigperm[4k]: even lines use 0..31, odd 32..63

// Line check state of the last load or save.
extern int32_t linesum[maplinecount];    // weighted sum of each line's 32 data bytes
extern uint8_t linestored[maplinecount]; // each line's check field as read
extern uint8_t sigindex;                 // result of the last findsigindex

// Builds writeseq, sigperm and sigweights; beeps when sigperm is not a permutation.
void inittables();
// Adds the weighted term of data byte position (0..31) of line to linesum[line].
void addlinesig(int line, int position, uint8_t value);
// sigindex := the index i with sigperm[i] == value.
void findsigindex(uint8_t value);
// The check byte of a line whose linesum is complete.
uint8_t linecheckbyte(int line);
// Number of lines whose stored check field does not match their sum.
int failinglines();
// Compares every line; when more than one fails, waits in the "Working invalid file" window.
// Returns the number of failing lines.
int checklinesigs();

} // namespace korvane
