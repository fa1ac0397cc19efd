#include "config/triggersettings.h"

#include "core/calimage.h"

#include <algorithm>
#include <cmath>

namespace korvane {

namespace {
constexpr uint8_t triggerkeep[4]{0, 0xCD, 0xCE, 0xCF};
constexpr uint8_t synckeep[4]{0, 0xC7, 0xCB, 0xCF};

entryresult whole(int value) { return {true, uint8_t(value), QString::number(value)}; }
} // namespace

int16_t &triggerbyte(int k) { return curimage.settings[13][k]; }

uint8_t withtriggeredge(uint8_t byte, int edge) { return (byte & triggerkeep[edge]) | edge; }
uint8_t withsyncedge(uint8_t byte, int edge) { return (byte & synckeep[edge]) | (edge << 2); }

entryresult cylsentry(const QString &typed)
{
    const std::optional<double> number = typednumber(typed);
    if (!number) return {};
    const int cylinders = int(std::nearbyint(std::clamp(*number, 4.0, 8.0)));
    return whole(cylinders / 2 * 2);
}

entryresult refangleentry(const QString &typed)
{
    const std::optional<double> number = typednumber(typed);
    if (!number) return {};
    const double angle = *number > 254 ? 255 : std::max(*number, 0.0);
    if (!((angle <= 10 || angle >= 55) && angle <= 120)) return {};
    return whole(int(std::nearbyint(angle)));
}

entryresult byteentry(const QString &typed)
{
    const std::optional<double> number = typednumber(typed);
    if (!number) return {};
    const double value = std::nearbyint(*number);
    if (!(value >= 0 && value <= 255)) return {};
    return whole(int(value));
}

entryresult fieldentry(const QString &typed, uint8_t byte, int shift)
{
    const std::optional<double> number = typednumber(typed);
    if (!number) return {};
    const int n = int(std::nearbyint(std::clamp(*number, 0.0, 7.0)));
    return {true, uint8_t((byte & ~(7 << shift)) | (n << shift)), QString::number(n)};
}

} // namespace korvane
