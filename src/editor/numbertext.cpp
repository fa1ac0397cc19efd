#include "editor/numbertext.h"

#include <QLocale>

namespace korvane {

QString fixedtext(double value, int decimals)
{
    // QLocale() is the system's format unless a test sets another default.
    return QLocale().toString(value, 'f', decimals);
}

} // namespace korvane
