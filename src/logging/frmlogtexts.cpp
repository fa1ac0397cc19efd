#include "logging/frmlogtexts.h"

#include "core/names.h"
#include "editor/numbertext.h"

#include <QLocale>
#include <QRegularExpression>
#include <cmath>

namespace korvane {

namespace {
constexpr int channeldecimals[16] = {0, 1, 0, 1, 1, 0, 2, 0, 1, 1, 1, 0, 0, 1, 0, 0};

// The locale's long time format without its time zone, so a stamp reads back.
QString timeformat() {
    static const QRegularExpression zone(QStringLiteral("\\s*t+"));
    return QLocale().timeFormat(QLocale::LongFormat).remove(zone).trimmed();
}
} // namespace

int lograteinterval(int v) {
    return int(std::nearbyint(1000.0 / (v * 1.3)));
}

QString lograte(int interval) {
    return fixedtext(1000.0 / interval, 1) + QStringLiteral(" Hz");
}

QString channeltext(int ch, uint8_t raw) {
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return fixedtext(raw * chanscale[ch] + chanoffset[ch], channeldecimals[ch & 15], locale);
}

QString logtimetext(const QTime &time) {
    return QLocale().toString(time, timeformat());
}

std::optional<int> logtimesecond(const QString &text) {
    const QTime time = QLocale().toTime(text, timeformat());
    if (!time.isValid()) return std::nullopt;
    return time.msecsSinceStartOfDay() / 1000 * 1000;
}

} // namespace korvane
