#include "config/settingentry.h"

#include "config/settingscatalogue.h"
#include "editor/celltext.h"
#include "editor/numbertext.h"

#include <algorithm>
#include <cmath>

namespace korvane {

std::optional<int> enteredbyte(const valuesetting &s, const QString &text) {
    const std::optional<double> number = typednumber(text);
    if (!number) return std::nullopt;
    double entry = *number;

    bool over = false;
    switch (s.enc) {
    case valueenc::quotient:
        over = entry / s.scale > s.limit;
        break;
    default:
        over = entry > s.limit;
        break;
    }
    if (over) entry = s.correction;
    if (s.low == lowrule::below && entry < s.lowlimit) entry = s.lowlimit;
    if (s.low == lowrule::zero) {
        if (entry < 0) return std::nullopt;
        if (entry == 0) entry = s.lowlimit;
    }

    double stored = entry;
    if (s.enc == valueenc::scaled || s.enc == valueenc::quotient) stored = entry / s.scale;
    if (s.enc == valueenc::sixteenths) stored = entry * 16;
    stored = std::nearbyint(stored);
    if (stored < 0 || stored > 255) return std::nullopt;
    return int(stored);
}

QString valuetext(const valuesetting &s, int byte) {
    switch (s.enc) {
    case valueenc::scaled:
    case valueenc::quotient:
        return decimaltext(byte * s.scale);
    case valueenc::sixteenths:
        return fixedtext(byte / 16.0, 1);
    default:
        return QString::number(byte);
    }
}

int trimbyte(double trim) {
    return int(std::nearbyint(std::clamp(trim, -5.0, 5.0) * 10 + 128));
}

QString trimtext(int byte) {
    return decimaltext((byte - 128) * 0.1);
}

std::array<int, 3> gearvssbytes(const std::array<double, 6> &fields) {
    std::array<int, 3> bytes{};
    for (int k = 0; k < 3; ++k) {
        const auto nibble = [&](int n) {
            return int(std::nearbyint(std::clamp(fields[n], 0.0, 15.0)));
        };
        bytes[k] = 16 * nibble(2 * k) + nibble(2 * k + 1);
    }
    return bytes;
}

int gearvssnibble(const std::array<int, 3> &bytes, int n) {
    const int byte = bytes[n / 2];
    return n % 2 == 0 ? byte / 16 : byte % 16;
}

int boostcode(double trim) {
    return (int(std::nearbyint(std::clamp(trim, -15.0, 0.0))) + 16) % 16;
}

QString boosttext(int code) {
    return QString::number(code == 0 ? 0 : code - 16);
}

} // namespace korvane
