#pragma once
#include <QString>

#include <cstdint>
#include <optional>

class QLocale;

namespace korvane {

// value rounded to decimals places on its decimal value (its first 15 significant digits, so
// 10 + 0.33 * 15 is 14.95 however the binary product falls), halves away from zero:
// 14.95 gives 15.0, -0.25 gives -0.3. A result of zero is +0. NaN and infinities stay.
double decimalround(double value, int decimals);

// value rounded by decimalround, written in the user's number format (separator, grouping);
// tests and callers that need other options pass their locale.
QString fixedtext(double value, int decimals);
QString fixedtext(double value, int decimals, const QLocale &locale);

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
