#include "logging/exports.h"

#include "editor/numbertext.h"
#include "logging/frmlogtexts.h"
#include "platform/loggrid.h"
#include "platform/savefile.h"
#include "platform/workbook.h"

#include <QLocale>
#include <cmath>

namespace korvane {

namespace {
constexpr int dayms = 86400000;

// Rows of a table that hold data: all but the headings.
int lastrow(const LogTable &table) {
    return table.rows() - 1;
}

void report(const ExportProgress &progress, int row, int rows) {
    if (progress) progress(int(double(row) / rows * 99));
}

QString csvfield(const QString &text) {
    if (!text.contains(',') && !text.contains('"')) return text;
    return '"' + QString(text).replace(QStringLiteral("\""), QStringLiteral("\"\"")) + '"';
}

QByteArray csvline(const LogTable &table, int row, const QString &time) {
    QString line = csvfield(time);
    for (int c = 1; c < table.cols(); ++c)
        line += ',' + csvfield(table.text(row, c));
    return line.toLatin1() + "\r\n";
}

// Milliseconds rounded to 0.1, without exponent or trailing ".0".
QString plainms(double ms) {
    QString text = QString::number(decimalround(ms, 1), 'f', 1);
    if (text.endsWith(QStringLiteral(".0"))) text.chop(2);
    return text;
}

// A report's time cell "B:n seconds" as milliseconds; empty when it holds no number.
QString reportms(const QString &cell) {
    bool ok = false;
    const double seconds = QLocale().toDouble(cell.section(' ', -1), &ok);
    return ok ? plainms(seconds * 1000) : QString();
}

// Writes the lines that write(row) makes into path atomically; empty text or the reason.
QString writeatomically(const QString &path, int first, int last,
                        const std::function<bool(int, QByteArray &)> &write,
                        const QByteArray &heading, const ExportProgress &progress,
                        int progressevery) {
    WholeFile file(path);
    QByteArray chunk = heading;
    for (int row = first; row <= last; ++row) {
        if (!write(row, chunk)) break;
        if ((row - first + 1) % progressevery == 0) {
            if (!file.write(chunk)) break;
            chunk.clear();
            report(progress, row, last + 1);
        }
    }
    file.write(chunk);
    return file.commit();
}
} // namespace

bool validexportname(const QString &name) {
    return !name.trimmed().isEmpty() && !name.contains('/') && !name.contains('\\') &&
           !name.contains(QStringLiteral(".."));
}

QString exporttext(const LogTable &table, const QString &path, const ExportProgress &progress) {
    const auto line = [&table](int row, QByteArray &out) {
        QString text = table.text(row, 0);
        for (int c = 1; c < table.cols(); ++c)
            text += QStringLiteral("  ") + table.text(row, c);
        out += text.toLatin1() + "\r\n";
        return true;
    };
    QByteArray heading;
    line(0, heading);
    return writeatomically(path, 1, lastrow(table), line, heading, progress, 1000);
}

std::vector<QString> csvtimes(const LogTable &table, int first, int last) {
    // Each stamp is read once; a row without one keeps the second before it.
    std::vector<double> seconds;
    int previous = -1, dayoffset = 0;
    for (int row = first; row <= last; ++row) {
        const int raw = logtimesecond(table.text(row, 0)).value_or(std::max(previous, 0));
        if (previous >= 0 && raw < previous) dayoffset += dayms; // past midnight
        previous = raw;
        seconds.push_back(raw + double(dayoffset));
    }
    std::vector<QString> times;
    double cur = 0, step = 0;
    for (size_t i = 0; i < seconds.size(); ++i) {
        if (i > 0 && seconds[i] == seconds[i - 1]) {
            cur += step;
        } else {
            size_t same = 0;
            while (same < 20 && i + same + 1 < seconds.size() &&
                   seconds[i + same + 1] == seconds[i])
                ++same;
            step = 1000.0 / double(same + 1);
            cur = seconds[i];
        }
        times.push_back(plainms(cur - seconds[0]));
    }
    return times;
}

QString exportcsv(const LogTable &table, const QString &path, const ExportProgress &progress) {
    const bool pclog = table.text(0, 0) == QStringLiteral("timestamp");
    const int first = pclog ? 2 : 1;
    int last = first - 1;
    while (last < lastrow(table) && !table.text(last + 1, 0).isEmpty())
        ++last;
    const std::vector<QString> times =
        pclog ? csvtimes(table, first, last) : std::vector<QString>{};
    const auto line = [&](int row, QByteArray &out) {
        out +=
            csvline(table, row, pclog ? times[size_t(row - first)] : reportms(table.text(row, 0)));
        return true;
    };
    QByteArray heading = csvline(table, 0, table.text(0, 0));
    return writeatomically(path, first, last, line, heading, progress, 50);
}

WorkbookResult exportworkbook(const LogTable &table, const ExportProgress &progress) {
    QStringList heading;
    for (int c = 0; c < table.cols(); ++c)
        heading << table.text(0, c);
    std::vector<WorkbookRow> rows;
    rows.reserve(size_t(lastrow(table)));
    // The named locale reads numbers as the system's does without asking the system each time.
    const QLocale locale(QLocale().name());
    for (int row = 1; row <= lastrow(table); ++row) {
        WorkbookRow cells;
        cells.reserve(size_t(table.cols()));
        for (int c = 0; c < table.cols(); ++c) {
            const QString &text = table.text(row, c);
            bool number = false;
            const double value = text.isEmpty() ? 0 : locale.toDouble(text, &number);
            if (number)
                cells.emplace_back(value);
            else
                cells.emplace_back(text);
        }
        rows.push_back(std::move(cells));
        if (row % 1000 == 0 && progress) progress(int(row * 0.002));
    }
    if (progress) progress(85);
    return writeworkbook(QStringLiteral("Log"), heading, rows);
}

} // namespace korvane
