#include "logging/crankfile.h"

#include <algorithm>

namespace korvane {

namespace {
constexpr char digits[] = "0123456789ABCDEF";

void writevalue(QByteArray &out, int32_t value)
{
    for (int shift = 12; shift >= 0; shift -= 4) out += digits[(value >> shift) & 15];
}

int digitvalue(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}
} // namespace

QByteArray encodecrankfile(const int32_t *trigger, const int32_t *sync, int *clipped)
{
    QByteArray out;
    out.reserve(crankfilebytes);
    int beyond = 0;
    for (const int32_t *list : {trigger, sync}) {
        for (int k = 0; k < 1000; ++k) {
            const int32_t value = std::clamp(list[k], 0, crankfilemax);
            if (value != list[k]) ++beyond;
            writevalue(out, value);
        }
    }
    if (clipped) *clipped = beyond;
    return out;
}

QString decodecrankfile(const QByteArray &bytes, crankfileedges &edges)
{
    if (bytes.size() < crankfilebytes)
        return QString("it holds %1 bytes, not %2").arg(bytes.size()).arg(crankfilebytes);
    crankfileedges read;
    for (int i = 0; i < crankfilebytes; i += 4) {
        int32_t value = 0;
        for (int j = i; j < i + 4; ++j) {
            const int digit = digitvalue(bytes[j]);
            if (digit < 0) return QString("byte %1 is not a hexadecimal digit").arg(j + 1);
            value = value * 16 + digit;
        }
        (i < 4000 ? read.trigger[i / 4] : read.sync[(i - 4000) / 4]) = value;
    }
    edges = read;
    return {};
}

} // namespace korvane
