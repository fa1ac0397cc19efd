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

// Writes the header row and then the rows to a new .xlsx in the program folder, named
// "<stem> yyyy-MM-dd hh.mm.ss.zzz.xlsx", and opens it with the desktop's application for
// spreadsheets. Returns an empty text on success, else what went wrong; a file that could
// not be written whole is removed. The written path goes to *path when given.
QString writeworkbook(const QString &stem, const QStringList &header,
                      const std::vector<WorkbookRow> &rows, QString *path = nullptr);

// How a written workbook is shown: returns false when it could not be opened. The default asks
// the desktop; tests install their own so nothing is launched.
using WorkbookOpener = std::function<bool(const QString &path)>;
void setworkbookopener(WorkbookOpener opener);

} // namespace korvane
