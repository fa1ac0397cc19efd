#include "editor/numbertext.h"

#include <QLocale>

#include <charconv>
#include <cmath>
#include <string>

namespace korvane {

double decimalround(double value, int decimals)
{
    if (value == 0 || !std::isfinite(value)) return value == 0 ? 0.0 : value;
    // The decimal value as a 15-digit whole number and a power of ten: d.dddddddddddddde±x.
    char text[40];
    const char *end =
        std::to_chars(text, text + sizeof text, std::fabs(value), std::chars_format::scientific, 14)
            .ptr;
    int64_t digits = 0;
    const char *p = text;
    for (; *p != 'e'; ++p)
        if (*p != '.') digits = digits * 10 + (*p - '0');
    int exponent = 0;
    std::from_chars(p + (p[1] == '+' ? 2 : 1), end, exponent);
    const int dropped = 14 - exponent - decimals; // digits beyond the last kept decimal
    if (dropped <= 0) return value;
    if (dropped > 15) return 0.0; // below half of the last decimal
    int64_t unit = 1;
    for (int i = 0; i < dropped; ++i)
        unit *= 10;
    const int64_t rest = digits % unit;
    digits = digits / unit + (2 * rest >= unit ? 1 : 0);
    if (digits == 0) return 0.0;
    // The nearest double of the rounded decimal, so 'f' formatting shows it exactly.
    const std::string rounded = std::to_string(digits) + 'e' + std::to_string(-decimals);
    double result = 0;
    std::from_chars(rounded.data(), rounded.data() + rounded.size(), result);
    return value < 0 ? -result : result;
}

QString fixedtext(double value, int decimals, const QLocale &locale)
{
    return locale.toString(decimalround(value, decimals), 'f', decimals);
}

QString fixedtext(double value, int decimals)
{
    // QLocale() is the system's format unless a test sets another default.
    return fixedtext(value, decimals, QLocale());
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
