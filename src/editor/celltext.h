#pragma once
#include <QLocale>
#include <QString>

namespace korvane {

// Number texts of the map grid, in the locale's decimal sign and without digit grouping.
// QLocale() is the user's format; tests set another default.

// General form: at most 15 significant digits, no trailing zeros ("6.17", "0.005", "-10.24").
QString decimaltext(double value, const QLocale &locale = QLocale());

// True when the VCT configuration byte (ECU 0x10DB) shows map 40 in cam degrees.
bool vctform();
// Map 40 in VCT form: the cam angle of a raw count for a VCTi spread in degrees, computed in
// the single precision the ECU's tables were made with.
double vctangle(int raw, int spread);

// The text of a raw cell value of a map: its shown value in the map's form; map 40 in cam
// degrees with one decimal when vct is set.
QString cellvaluetext(int map, int raw, bool vct, int spread);
// The trim step in the unit of a map's cells, without the unit.
QString steptext(int map, int step, bool vct, int spread);

} // namespace korvane
