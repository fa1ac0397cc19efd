#include "logging/logreport.h"

#include "core/names.h"
#include "editor/numbertext.h"
#include "platform/loggrid.h"

#include <QLocale>

namespace korvane {

namespace {
// Channel table entries of record bytes 0..6.
constexpr int recordchannel[7] = {0, 1, 2, 4, 8, 6, 15};

const char *const reportheadings[9] = {"Time (s)", "CTS (c)",   "AFR (:1)",   "RPM", "Boost (psi)",
                                       "Duty (%)", "Knock (V)", "Adv (btdc)", "CRC"};
} // namespace

QString recordtime(int record) {
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return QStringLiteral("B:%1 %2").arg(record / 128).arg(locale.toString(record * 2.7, 'g', 15));
}

void writelogreport(LogTable &table, const uint8_t *log) {
    const QLocale locale;
    const QString crcerror = QStringLiteral("CRC error");
    table.setredraw(false);
    table.clearcells(0, table.rows() - 1, 0, table.cols() - 1);
    for (int c = 0; c < 9; ++c)
        table.settext(0, c, QString::fromLatin1(reportheadings[c]));
    for (int r = 0; r < logrecords && r + 1 < table.rows(); ++r) {
        const uint8_t *record = log + 8 * r;
        int sum = 0;
        for (int b = 0; b < 7; ++b)
            sum += record[b];
        const bool good = sum % 256 == record[7];
        table.settext(r + 1, 0, recordtime(r));
        for (int b = 0; b < 7; ++b) {
            const int ch = recordchannel[b];
            table.settext(r + 1, b + 1,
                          good ? fixedtext(record[b] * chanscale[ch] + chanoffset[ch], 1, locale)
                               : crcerror);
        }
        table.settext(r + 1, 8, good ? QString::number(record[7]) : crcerror);
    }
    table.setredraw(true);
}

} // namespace korvane
