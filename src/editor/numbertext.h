#pragma once
#include <QString>

#include <cstdint>
#include <optional>

namespace korvane {

// value rounded to decimals places in the user's number format (separator, grouping).
QString fixedtext(double value, int decimals);

// A number the user typed, read in the user's number format; nothing for text that is no
// finite number (letters, empty, NaN, infinity, overflow) or that groups its digits.
std::optional<double> typednumber(const QString &text);

// The outcome of an entry into a byte: the byte to store and the box's new text, or a refusal.
struct entryresult {
    bool ok = false;
    uint8_t byte = 0;
    QString text;
};

} // namespace korvane
