#include "editor/numbertext.h"

#include <QLocale>

#include <cmath>

namespace korvane {

QString fixedtext(double value, int decimals)
{
    // QLocale() is the system's format unless a test sets another default.
    return QLocale().toString(value, 'f', decimals);
}

std::optional<double> typednumber(const QString &text)
{
    // Nobody groups the digits of an entry: a group sign is refused rather than read as
    // thousands, so "1.500" typed for 1.5 in a locale whose group sign is the point is no 1500.
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() | QLocale::RejectGroupSeparator);
    bool ok = false;
    const double value = locale.toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(value)) return std::nullopt;
    return value;
}

} // namespace korvane
