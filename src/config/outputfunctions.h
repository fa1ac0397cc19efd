#pragma once
#include "editor/numbertext.h"

#include <QString>
#include <cstdint>
#include <optional>

namespace korvane {

// The ECU's 24 switched outputs, their function codes and the settings the functions use.
// Every byte lives in the settings page of curimage.

constexpr int outputcount = 24;   // tabs 1..24: "INJ 1".."INJ 8", "PWM 1".."PWM 16"
constexpr int functioncount = 60; // function codes with a button
constexpr int bytestreamfirst = 38;
constexpr int usersloteach = 16;  // user condition slots

QString outputcaption(int tab);
QString functioncaption(int code); // the button of code 0..59
QString framecaption(int frame);   // frames 0..38; 38 serves every bytestream code
// The frame that shows code: the code itself below 38, else the bytestream frame.
inline int frameofcode(int code) { return code < bytestreamfirst ? code : bytestreamfirst; }

// The function byte of output tab 1..24 and its ECU address.
int16_t &functionbyte(int tab);
constexpr int functionaddress(int tab) { return 0x10E5 + tab; }

// User condition slot k: condition byte (bits 0-6 the channel, bit 7 "less than") and the
// threshold in the channel's raw units. PWM map input k: a channel number.
int16_t &conditionbyte(int slot);
int16_t &thresholdbyte(int slot);
int16_t &pwminputbyte(int k);
constexpr int conditionaddress(int slot) { return 0x1000 + slot; }
constexpr int thresholdaddress(int slot) { return 0x1010 + slot; }
constexpr int pwminputaddress(int k) { return 0x1030 + k; }
// The PWM map inputs: X of maps 1..11 are k = 0..10, Y of maps 9..11 are k = 12..14.
constexpr int pwminputx(int map) { return map - 1; }
constexpr int pwminputy(int map) { return map + 3; }

// The condition list holds every channel with " >" (positions 0..31), then with " <"
// (32..63). The byte of a position and the position of a byte (-1: none fits; channel 31
// is a channel like any other).
constexpr int conditionofposition(int position) { return position < 32 ? position : position + 96; }
int positionofcondition(int condition);
// The input lists hold the 32 channels; a byte above 31 selects nothing.
inline int positionofinput(int input) { return input >= 0 && input < 32 ? input : -1; }

// The threshold byte for a number typed in a slot's box, in the unit of the condition's
// channel: below the channel's range 0, above it 255. Nothing when the condition names no
// channel (above 31).
std::optional<uint8_t> thresholdofentry(int condition, double typed);
// The threshold as the box shows it after an entry (one decimal) and at load (in full).
QString thresholdentrytext(int condition, int threshold);
QString thresholdtext(int condition, int threshold);

// The scalar settings of the output functions.
struct scalarsetting {
    const char *label;
    int row, column; // element of settings
    double scale;    // entry / scale = byte; 1 for raw bytes
    const char *cap; // text the box takes when the entry is beyond the byte
    int frame;       // the function frame that shows it
};
constexpr int scalarcount = 8;
const scalarsetting &scalarsettingof(int index);
int16_t &scalarbyte(const scalarsetting &s);
constexpr int scalaraddress(const scalarsetting &s) { return 0x1000 + 16 * s.row + s.column; }

// A scalar entry: an entry beyond the byte is first replaced by the cap text; a result
// outside 0..255 (a negative entry) is refused.
entryresult scalarentry(const scalarsetting &s, const QString &typed);
QString scalartext(const scalarsetting &s, int byte);
// The thermofan's ON TEMP (C), byte = degrees + 20, entries held to -20..235.
int16_t &thermofanbyte();
constexpr int thermofanaddress = 0x1082;
entryresult thermofanentry(const QString &typed);

} // namespace korvane
