#include "config/settingscatalogue.h"

namespace korvane {

namespace {

using enum valueenc;

// Limits and corrections are those of the ECU's own ranges: a raw byte tops out at 255, an
// rpm at 12000 (240 x 50) or 16320 (255 x 64), a percentage at 100 (250 x 0.4).
constexpr valuesetting values[] = {
    // SENSORS
    {0, "WEGO ZERO CAL", 43, 47, 0x1096, raw, 1, 254, 255},
    {0, "WEGO GRAD CAL", 44, 48, 0x1097, raw, 1, 254, 255},
    // IDLE SPEED CONTROL
    {1, "PROPORTIONAL (P, 0-255)", 17, 15, 0x10C6, raw, 1, 254, 255},
    {1, "INTEGRAL (I, 0-255)", 18, 16, 0x10C7, raw, 1, 254, 255},
    {1, "DERIVATIVE (D, 0-255)", 8, 2, 0x1099, raw, 1, 254, 255},
    {1, "ANTILAG POSITION (%)", 4, 8, 0x108C, raw, 1, 254, 255},
    {1, "MAX VACUUM (mmHg)", 16, 31, 0x10BA, scaled, 3, 760, 760},
    {1, "MOVING STEPS UP (%)", 22, 22, 0x108D, quotient, 0.4, 254, 102},
    {1, "INTO DRIVE STEPS UP (%)", 29, 30, 0x10C2, quotient, 0.4, 254, 102},
    {1, "AC STEPS UP (%)", 20, 20, 0x10C9, quotient, 0.4, 254, 102},
    {1, "VALVE STEPS (0-255)", 3, 7, 0x10C3, raw, 1, 254, 255},
    {1, "MAX PWM DUTY (%)", 19, 19, 0x10C8, scaled, 0.4, 99, 100},
    {1, "MIN PWM DUTY (%)", 23, 23, 0x109F, scaled, 0.4, 75, 75},
    // IGNITION
    {2, "RPM LIMIT SOFT", 27, 28, 0x1083, quotient, 64, 255, 16300},
    {2, "RPM LIMIT HARD", 30, 34, 0x10B8, quotient, 64, 255, 16300},
    {2, "LAUNCH RPM SOFT", 37, 40, 0x1089, quotient, 64, 255, 16300},
    {2, "KNOCK RETARD STEP", 32, 35, 0x107F, sixteenths, 1, 5, 5},
    {2, "KNOCK RETARD MAX", 36, 39, 0x105F, sixteenths, 1, 12, 12},
    {2, "LAUNCH FUEL CUT % CYCLES", 40, 43, 0x102C, quotient, 0.4, 255, 100},
    {2, "LAUNCH SPARK CUT % CYCLES", 41, 44, 0x102D, quotient, 0.4, 255, 100},
    {2, "BACKUP SPARK KNOCK COUNT", 45, 49, 0x10BD, raw, 1, 254, 255},
    {2, "BACKUP SPARK KNOCK BUFFER VOLTAGE", 46, 50, 0x10BE, quotient, 0.02, 254, 5},
    // CLOSED LOOP
    {3, "UPPER RPM LIMIT", 12, 14, 0x1088, scaled, 50, 12000, 12000},
    {3, "LOWER RPM LIMIT", 11, 9, 0x1095, scaled, 50, 12000, 12000},
    // PID CONTROLS
    {4, "BOOST CONTROL PROPORTIONAL (P, 0-255)", 6, 3, 0x10CE, raw, 1, 254, 255},
    {4, "BOOST CONTROL INTEGRAL (I, 0-255)", 7, 4, 0x10CF, raw, 1, 254, 255},
    {4, "BOOST CONTROL DERIVATIVE (D, 0-255)", 10, 6, 0x10B9, raw, 1, 254, 255},
    {4, "BOOST CONTROL START RPM", 34, 36, 0x10A9, quotient, 50, 254, 12750},
    {4, "INPUT FOLLOWER PROPORTIONAL (P, 0-255)", 47, 57, 0x10B6, raw, 1, 254, 255},
    {4, "INPUT FOLLOWER INTEGRAL (I, 0-255)", 48, 59, 0x10B7, raw, 1, 254, 255},
    // THROTTLE
    {5, "CLOSED THROTTLE CAL (0-255)", 1, 17, 0x108E, raw, 1, 254, 255},
    {5, "WIDE OPEN THROTTLE CAL (0-255)", 2, 18, 0x109A, raw, 1, 254, 255},
    {5, "TPS SENSITIVITY THRES. (20-50)", 13, 11, 0x10CB, clamped, 1, 50, 50, lowrule::below, 20},
    {5, "MAP SENSITIVITY THRES. (1-20)", 25, 25, 0x108B, clamped, 1, 20, 20, lowrule::zero, 1},
    {5, "Range multiplier, 30% for 13B, 100% for normal TPS", 14, 12, 0x1094, raw, 1, 254, 255},
    {5, "CLEAR FLOOD TPS (%)", 21, 21, 0x10C4, scaled, 0.4, 99, 100},
    // INJECTION
    {6, "DYNAMIC ENRICHMENT COEFFICIENT (0-255)", 5, 1, 0x10A3, raw, 1, 254, 255},
    {6, "MANIFOLD WETTING COEFFICIENT (0-255)", 31, 32, 0x10A0, raw, 1, 254, 255},
    {6, "DYNAMIC ENLEANMENT COEFFICIENT (0-255)", 28, 29, 0x1084, raw, 1, 254, 255},
    {6, "BATCH MIN PULSE (ms)", 26, 27, 0x10CC, quotient, 0.01, 255, 2.55},
    // VSS & RATIOS
    {8, "VSS CALIBRATION BYTE", 33, 33, 0x1087, raw, 1, 254, 255},
};

constexpr flagsetting flags[] = {
    {0, "KNOCK 1 AMPLIFIER ENABLE", 1, 0x1080},
    {0, "KNOCK 2 AMPLIFIER ENABLE", 5, 0x1081},
    {0, "EXTERNAL MAP SENSOR CONFIRM", 3, 0x1092},
    {0, "TRIGGER PULL-UP ENABLE", 7, 0x10AD},
    {0, "SYNC PULL-UP ENABLE", 9, 0x10AE},
    {2, "WASTED SPARK", 17, 0x10AC},
    {2, "DIRECT FIRE", 11, 0x10C5},
    {3, "ENABLE CLOSED LOO&P", 6, 0x1085},
    {3, "ENABLE LONG TERM LEARNIN&G", 15, 0x10A6},
    {3, "ENABLE AUTO-TUNE (with DRQ)", 16, 0x10C1},
    {6, "LEAN UNDER LOAD BACKUP SPARK", 10, 0x10BF},
    {6, "SEQUENTIAL INJECTION", 13, 0x109B},
    {6, "THROTTLE BODY INJECTION", 14, 0x10A4},
    {7, "ENABLE TRIM FUEL BY TPS MAP", 2, 0x1093},
    {7, "ENABLE DECEL CUT ", 4, 0x1086},
    {7, "ENABLE TPS MODE", 8, 0x1098},
    {7, "ENABLE TPS SWITCH TYPE", 12, 0x109E},
};

constexpr const char *ctstypes[] = {"DELCO CTS", "FORD CTS", "HIGH IMPEDANCE MAZDA CTS"};
constexpr const char *atstypes[] = {"DELCO ATS", "FORD ATS", "HIGH IMPEDANCE MAZDA ATS"};
constexpr const char *sensorsources[] = {"14.7 LEFT U/HEGO", "14.7 RIGHT U/HEGO",
                                         "14.7 WIDE BAND HEGO", "WIDE BAND TARGET TABLE"};

constexpr optionsetting options[] = {
    {0, "CTS TYPE", 1, 0x10A1, ctstypes},
    {0, "ATS TYPE", 3, 0x10A2, atstypes},
    {3, "LEFT MODULE SENSOR SOURCE", 6, 0x1090, sensorsources},
    {3, "RIGHT MODULE SENSOR SOURCE", 7, 0x1091, sensorsources},
};

constexpr auxsetting auxlists[] = {
    {"AUX1 INPUT CONFIGURATION", 1, 0x109D}, {"AUX2 INPUT CONFIGURATION", 2, 0x1020},
    {"AUX3 INPUT CONFIGURATION", 3, 0x1021}, {"AUX4 INPUT CONFIGURATION", 4, 0x1022},
    {"AUX5 INPUT CONFIGURATION", 5, 0x1023}, {"AUX6 INPUT CONFIGURATION", 6, 0x10A7},
};

} // namespace

std::span<const valuesetting> valuesettings() {
    return values;
}
const char *valueframe(const valuesetting &s) {
    switch (s.address) {
    case 0x108D: case 0x10C2: case 0x10C9: case 0x10C3: return "STEPPER ISC VALVE";
    case 0x10C8: case 0x109F: return "PWM ISC VALVE";
    default: return nullptr;
    }
}
std::span<const flagsetting> flagsettings() {
    return flags;
}
std::span<const optionsetting> optionsettings() {
    return options;
}
std::span<const auxsetting> auxsettings() {
    return auxlists;
}

const std::array<const char *, settingspages> tabcaptions = {
    "&SENSOR",    "&ISC",   "IG&NITION",      "&CLOSED LOOP", "PI&D CONTROLS", "T&HROTTLE",
    "IN&JECTION", "SETU&P", "&VSS && RATIOS", "GRID&X SETUP", "GRID&Y SETUP",  "I/&O"};

const std::array<const char *, settingspages> pagecaptions = {"SENSORS",
                                                              "IDLE SPEED CONTROL",
                                                              "IGNITION",
                                                              "CLOSED LOOP",
                                                              "PID CONTROLS",
                                                              "THROTTLE",
                                                              "INJECTION",
                                                              "SETUP",
                                                              "VSS && RATIOS",
                                                              "GRID X (RPM) SETUP",
                                                              "GRID Y (LOAD) SETUP",
                                                              "I/O OPTIONS"};

const std::array<const char *, 17> auxfunctions = {"AC low request",
                                                   "AC high request",
                                                   "launch low request",
                                                   "launch high request",
                                                   "anti-lag low request",
                                                   "anti-lag high request",
                                                   "auxiliary map low request",
                                                   "auxiliary map high request",
                                                   "input follower",
                                                   "input follower feedback",
                                                   "barometer GM 1 bar",
                                                   "barometer DENSO",
                                                   "MAP Honda 2 bar ",
                                                   "MAP 5 bar",
                                                   "AIM display low request",
                                                   "AIM display high request",
                                                   "no request"};

const std::array<const char *, 8> featurebits = {
    "ENABLE MULTI-INJECT ON CRANKING", "ENABLE -dM/dT ANTICIPATION ",
    "ENABLE+dM/dT ANTICIPATION ",      "ENABLE GEAR FUEL /SPARK TRIMS",
    "ENABLE GEAR BOOST TRIM ",         "ENABLE O2 LIGHTUP DELAY ",
    "ENABLE AC IDLE SPEED INCREASE",   "ENABLE MOVING LAUNCH (FLAT SHIFT) "};

const std::array<pwmfrequencygroup, 2> pwmfrequencygroups = {{
    {"PWM1-8 FREQUENCY", "PWM%1 LOW FREQUENCY ", 18, 51, 0x10CD, 1},
    {"PWM9-16 FREQUENCY", "PWM%1 LOW FREQUENCY", 19, 52, 0x10CA, 9},
}};

} // namespace korvane
