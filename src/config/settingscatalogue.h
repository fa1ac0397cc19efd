#pragma once
#include <array>
#include <span>

namespace korvane {

// The settings of the settings page (ECU 0x1000-0x10FF) that the settings window edits, as
// data: which page shows each one, its caption and controls, its ECU address and how a typed
// entry becomes the stored byte.

constexpr int settingspages = 12;

// How a value field's text becomes its byte.
enum class valueenc {
    raw,        // the number itself; above 254 it becomes 255
    clamped,    // the number itself, corrected to the row's limits
    scaled,     // number / scale; a number above the limit is corrected
    quotient,   // number / scale; a quotient above the limit is corrected
    sixteenths, // number x 16; shown with one decimal
};

// What a number below the row's range becomes (clamped rows only).
enum class lowrule {
    none,
    below, // a number below low becomes low
    zero,  // exactly 0 becomes low; a negative number is refused
};

struct valuesetting {
    int page;            // 0..11
    const char *caption; // the label beside the field
    int field;           // N of the field TextN
    int button;          // N of its "enter" button CommandN
    int address;         // ECU address
    valueenc enc;
    double scale;      // byte x scale is the shown value (1 for raw and clamped)
    double limit;      // above this the entry is corrected (see valueenc)
    double correction; // what a too large entry becomes
    lowrule low = lowrule::none;
    double lowlimit = 0;
};

// A check box storing 15 when ticked and 0 when cleared.
struct flagsetting {
    int page;
    const char *caption;
    int box; // N of CheckN
    int address;
};

// Option buttons whose index is the stored byte.
struct optionsetting {
    int page;
    const char *caption; // the frame around the buttons
    int group;           // N of OptionN
    int address;
    std::span<const char *const> captions;
};

// An AUX input list; the list index is the stored code.
struct auxsetting {
    const char *caption;
    int combo; // N of ComboN
    int address;
};

std::span<const valuesetting> valuesettings();
// The frame a value row sits in within its page (the two idle valves each have their own),
// or nullptr for the page's common rows.
const char *valueframe(const valuesetting &s);
std::span<const flagsetting> flagsettings();
std::span<const optionsetting> optionsettings();
std::span<const auxsetting> auxsettings();

// The settings window's tab and page captions, by page.
extern const std::array<const char *, settingspages> tabcaptions;
extern const std::array<const char *, settingspages> pagecaptions;

// The 17 AUX input functions, list index = stored code; the last one, 16, is "no request".
extern const std::array<const char *, 17> auxfunctions;
constexpr int norequest = 16;

// Feature bits of 0x108A (SETUP page), caption by bit.
constexpr int featurebitsaddress = 0x108A;
extern const std::array<const char *, 8> featurebits;

// Low-frequency PWM outputs: one byte of eight boxes each, box i holds bit 7 - i.
struct pwmfrequencygroup {
    const char *caption;    // the frame
    const char *boxcaption; // each box's, %1 the output
    int boxes;              // N of the box array CheckN
    int button;             // N of its "&Enter" button
    int address;
    int firstoutput; // the PWM output of bit 0
};
extern const std::array<pwmfrequencygroup, 2> pwmfrequencygroups;

// Injector modules (CLOSED LOOP page): INJ1 .. INJ8 are bits 7 .. 0, set = right module.
constexpr int injmodulesaddress = 0x10BC;
// Injector trims (INJECTION page): six bytes from here, 128 + 10 x trim percent.
constexpr int injtrimaddress = 0x10B0;
constexpr int injtrims = 6;
// Gear road-speed nibbles (VSS page): gear 1 and the five increments, high nibble first.
constexpr int gearvssaddress = 0x10E0;
constexpr int gearvssfields = 6;
// Gear boost trims (PID page): four nibbles, two bytes.
constexpr int gearboostaddress = 0x10FE;
constexpr int gearboostfields = 4;
// The throttle calibration settings the calibrate buttons enter.
constexpr int closedthrottlefield = 1, widethrottlefield = 2;

} // namespace korvane
