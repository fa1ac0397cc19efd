#pragma once
#include <QString>

namespace korvane {

// value rounded to decimals places in the user's number format (separator, grouping).
QString fixedtext(double value, int decimals);

} // namespace korvane
