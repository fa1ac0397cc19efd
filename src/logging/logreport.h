#pragma once
#include <QString>
#include <cstdint>

namespace korvane {

class LogTable;

constexpr int logrecords = 3584; // 8 bytes each, one every 2.7 s, 128 to a block

// The time text of stored-log record r: "B:" block, a space, r x 2.7 seconds in the shortest
// decimal form (15 significant digits, the locale's decimal sign, no grouping): "B:0 8.1".
QString recordtime(int record);

// Writes the report of the 3584 records in log (28672 bytes) into table: the report headings in
// row 0, record r in row r + 1 (its time, its seven values with one decimal, its check byte),
// "CRC error" in the eight data columns of a record whose check fails, and every row after
// the report emptied. Redrawing is off during the fill.
void writelogreport(LogTable &table, const uint8_t *log);

} // namespace korvane
