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
    bool ok = false;
    const double value = QLocale().toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(value)) return std::nullopt;
    return value;
}

} // namespace korvane
