#include "config/outputfunctions.h"

#include "core/calimage.h"
#include "core/names.h"
#include "editor/celltext.h"
#include "editor/numbertext.h"

#include <algorithm>
#include <cmath>

namespace korvane {

namespace {
constexpr const char *firstfunctions[8]{"Injection", "TCC",           "Turbo timer",
                                        "Thermofan", "ATX",           "VSS buffer",
                                        "Staged inject", "Air con"};
constexpr const char *namedfunctions[7]{"Off ", "F1", "ISCO", "ISCC",
                                        "Fuel pump", "Check engine", "F2"};
constexpr const char *firstframes[8]{"INJECTION", "TORQUE CONVERTER CLUTCH", "TURBO TIMER",
                                     "THERMOFAN", "ATX", "VSS BUFFER", "STAGED INJECTION",
                                     "AIR CONDITIONER"};
constexpr const char *namedframes[8]{"OFF", "F1", "ISCO", "ISCC", "FUEL PUMP",
                                     "CHECK ENGINE LAMP", "F2", "BYTESTREAM"};

constexpr scalarsetting scalars[scalarcount]{
    {"RATIO (0-255%)", 12, 0, 1, "255", 6},        {"MIN SPEED (KPH)", 10, 11, 1, "255", 1},
    {"CAL (0-255)", 11, 11, 1, "255", 5},          {"AC REV LIMIT (RPM)", 2, 14, 50, "12750", 7},
    {"AC TPS LIMIT (%)", 2, 15, 0.4, "100", 7},    {"AC MAX DELAY (S)", 10, 15, 0.08, "20", 7},
    {"TIMEOUT (S)", 10, 5, 0.33, "84", 2},         {"PRIMER (S)", 10, 8, 0.02, "5", 35},
};
} // namespace

QString outputcaption(int tab)
{
    return tab <= 8 ? QString("INJ %1").arg(tab) : QString("PWM %1").arg(tab - 8);
}

QString functioncaption(int code)
{
    if (code < 8) return firstfunctions[code];
    if (code < 20) return QString("USER %1").arg(code - 7);
    if (code < 31) return QString("PWM MAP %1").arg(code - 19);
    if (code < bytestreamfirst) return namedfunctions[code - 31];
    if (code == 54) return "Bytestream 17 ";
    return QString("Bytestream %1").arg(code - 37);
}

QString framecaption(int frame)
{
    if (frame < 8) return firstframes[frame];
    if (frame < 20) return QString("USER %1").arg(frame - 7);
    if (frame < 31) return QString("PWM MAP %1").arg(frame - 19);
    return namedframes[frame - 31];
}

int16_t &functionbyte(int tab)
{
    return tab <= 10 ? curimage.settings[14][tab + 5] : curimage.settings[15][tab - 11];
}

int16_t &conditionbyte(int slot) { return curimage.settings[0][slot]; }
int16_t &thresholdbyte(int slot) { return curimage.settings[1][slot]; }
int16_t &pwminputbyte(int k) { return curimage.settings[3][k]; }

int positionofcondition(int condition)
{
    if (condition >= 0 && condition < 32) return condition;
    if (condition >= 128 && condition < 160) return condition - 96;
    return -1;
}

std::optional<uint8_t> thresholdofentry(int condition, double typed)
{
    const int v = condition & 127;
    if (v >= channelcount) return std::nullopt;
    // The ECU's thresholds were worked out in single precision.
    const float raw = float((typed - chanoffset[v]) / chanscale[v]);
    if (!(raw >= 0)) return 0;
    if (raw > 254) return 255;
    return uint8_t(std::nearbyint(raw));
}

QString thresholdentrytext(int condition, int threshold)
{
    const int v = condition & 31;
    return fixedtext(threshold * chanscale[v] + chanoffset[v], 1);
}

QString thresholdtext(int condition, int threshold)
{
    const int v = condition & 31;
    return decimaltext(threshold * chanscale[v] + chanoffset[v]);
}

const scalarsetting &scalarsettingof(int index) { return scalars[index]; }

int16_t &scalarbyte(const scalarsetting &s) { return curimage.settings[s.row][s.column]; }

entryresult scalarentry(const scalarsetting &s, const QString &typed)
{
    std::optional<double> number = typednumber(typed);
    if (!number) return {};
    // The cap is a text: it goes through the same rounding as a typed entry.
    if (*number / s.scale > 254) number = typednumber(QString::fromLatin1(s.cap));
    const double byte = std::nearbyint(*number / s.scale);
    if (!(byte >= 0 && byte <= 255)) return {};
    return {true, uint8_t(byte), scalartext(s, int(byte))};
}

QString scalartext(const scalarsetting &s, int byte) { return decimaltext(byte * s.scale); }

int16_t &thermofanbyte() { return curimage.settings[8][2]; }

entryresult thermofanentry(const QString &typed)
{
    const std::optional<double> number = typednumber(typed);
    if (!number) return {};
    const double degrees = std::clamp(*number, -20.0, 235.0);
    const int byte = int(std::nearbyint(degrees + 20));
    return {true, uint8_t(byte), decimaltext(byte - 20)};
}

} // namespace korvane
