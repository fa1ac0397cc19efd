#include "editor/celltext.h"

#include "core/calimage.h"
#include "editor/mapcatalogue.h"
#include "editor/numbertext.h"

#include <cmath>

namespace korvane {

QString decimaltext(double value, const QLocale &locale)
{
    QLocale plain = locale;
    plain.setNumberOptions(plain.numberOptions() | QLocale::OmitGroupSeparator);
    if (value == 0) value = 0; // never "-0"
    return plain.toString(value, 'g', 15);
}

bool vctform() { return curimage.settings[13][11] > 15; }

double vctangle(int raw, int spread)
{
    const float product = float(raw) * float(spread);
    const float angle = product / 255.0f;
    return double(angle) - spread / 2.0;
}

QString cellvaluetext(int map, int raw, bool vct, int spread)
{
    const mapinfo &m = mapcatalogue(map);
    if (m.vctform && vct) return fixedtext(vctangle(raw, spread), 1);
    const double value = shownvalue(map, raw);
    if (m.form == valueform::whole) return QString::number(int16_t(decimalround(value, 0)));
    return decimaltext(value);
}

QString steptext(int map, int step, bool vct, int spread)
{
    const mapinfo &m = mapcatalogue(map);
    if (m.vctform && vct) return fixedtext(step * spread / 256.0, 1);
    return decimaltext(step * m.stepfactor);
}

} // namespace korvane
