#pragma once
#include <QString>
#include <QStringList>
#include <functional>
#include <variant>
#include <vector>

namespace korvane {

// One cell of a workbook row: a number or a text.
using WorkbookCell = std::variant<double, QString>;
using WorkbookRow = std::vector<WorkbookCell>;

// What became of a workbook: opened; written (path) but not opened, for want of an
// application; or not written at all. error says what went wrong, naming the file.
struct WorkbookResult {
    enum Outcome { opened, notopened, notwritten };
    Outcome outcome = notwritten;
    QString path;
    QString error;
};

// Writes the header row and then the rows to a new .xlsx in the program folder, named
// "<stem> yyyy-MM-dd hh.mm.ss.zzz.xlsx", and opens it with the desktop's application for
// spreadsheets. The file appears only when all of it was written; error then says why.
WorkbookResult writeworkbook(const QString &stem, const QStringList &header,
                             const std::vector<WorkbookRow> &rows);

// How a written workbook is shown: returns true only when it was surely opened. The default runs
// the desktop's launcher and trusts only its clean exit; tests install their own so nothing is
// launched.
using WorkbookOpener = std::function<bool(const QString &path)>;
void setworkbookopener(WorkbookOpener opener);

} // namespace korvane
