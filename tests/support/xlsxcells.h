#pragma once
#include <QMap>
#include <QString>

namespace korvane::test {

// The cells of the first sheet of an .xlsx file, by reference ("A1") to their text or number as
// written. Empty when the file is not a workbook this test kit can read.
QMap<QString, QString> xlsxcells(const QString &path);

} // namespace korvane::test
