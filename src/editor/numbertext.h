#pragma once
#include <QString>

#include <optional>

namespace korvane {

// value rounded to decimals places in the user's number format (separator, grouping).
QString fixedtext(double value, int decimals);

// A number the user typed, read in the user's number format; nothing for text that is no
// finite number (letters, empty, NaN, infinity, overflow).
std::optional<double> typednumber(const QString &text);

} // namespace korvane
