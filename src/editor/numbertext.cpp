#include "editor/numbertext.h"

#include <QLocale>
#include <cmath>

#include <cmath>

namespace korvane {

QString fixedtext(double value, int decimals)
{
    // QLocale() is the system's format unless a test sets another default.
    return QLocale().toString(value, 'f', decimals);
}

<<<<<<< HEAD
std::optional<double> entrynumber(const QString &text)
=======
std::optional<double> typednumber(const QString &text)
>>>>>>> main
{
    bool ok = false;
    const double value = QLocale().toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(value)) return std::nullopt;
    return value;
}

} // namespace korvane
