#pragma once
#include "platform/workbook.h"

#include <QString>
#include <functional>
#include <vector>

namespace korvane {

class LogTable;

// Called every so many rows with the share written (0..99); the export windows show it and
// let the user interface breathe.
using ExportProgress = std::function<void(int percent)>;

// True for a file name the user may give an export: not empty, no folder in it.
bool validexportname(const QString &name);

// Writes every row of table, its 17 cells joined by two spaces, each line ended by CR LF, to
// path, replacing an existing file only when the whole text was written. Returns an empty text,
// else what went wrong (the old file is then untouched).
QString exporttext(const LogTable &table, const QString &path, const ExportProgress &progress);

// Writes table as CSV to path, atomically as exporttext: the heading line, then one line a row
// up to the first row without a time. A PC log (heading "timestamp") starts at row 2 and its
// time field is milliseconds since the first sample's second, the samples of one second spread
// evenly over it; a stored-log report starts at row 1 with its seconds as milliseconds. Fields
// holding a comma or a quote are quoted.
QString exportcsv(const LogTable &table, const QString &path, const ExportProgress &progress);

// The CSV time fields of a PC log's rows first..last (their time cells), as exportcsv writes
// them: milliseconds rounded to 0.1 in plain decimals.
std::vector<QString> csvtimes(const LogTable &table, int first, int last);

// Writes the heading row and every other row of table to a new workbook in the program folder
// and opens it. Texts that are numbers go in as numbers. Says whether the workbook was opened,
// only written, or not written.
WorkbookResult exportworkbook(const LogTable &table, const ExportProgress &progress);

} // namespace korvane
