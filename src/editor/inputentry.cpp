#include "editor/inputentry.h"

#include "core/calimage.h"
#include "core/editorstate.h"
#include "core/flags.h"
#include "core/linestate.h"
#include "editor/celltext.h"
#include "editor/mapcatalogue.h"
#include "editor/numbertext.h"
#include "editor/pendingcells.h"

#include <cmath>

namespace korvane {

namespace {
bool entrymap(int map) { return (map >= 1 && map <= 7) || (map >= 40 && map <= 43); }

// Accepted range [low, high) or (low, high) of a map's typed values and the raw value of v.
struct Conversion {
    double low, high;
    bool lowincluded;
    double raw;
};

std::optional<Conversion> conversion(int map, double v, bool vct, int spread)
{
    switch (map) {
    case 1: return Conversion{0, 50, true, v / 0.005};
    case 2:
    case 3: return Conversion{-10.08, 10.08, false, v / 0.08 + 128};
    case 4:
    case 7: return Conversion{0, 50, true, v};
    case 5:
    case 6: return Conversion{-50, 50, false, v + 128};
    case 40:
        if (vct) return Conversion{-spread / 2.0, spread / 2.0, true, (v + spread / 2.0) * 255 / spread};
        [[fallthrough]];
    case 41:
    case 42: return Conversion{0, 101, true, v / 0.4};
    case 43: return Conversion{0, 25.6, true, v / 0.1};
    default: return std::nullopt;
    }
}
} // namespace

std::optional<int> inputraw(int map, double v, bool vct, int spread)
{
    const std::optional<Conversion> c = conversion(map, v, vct, spread);
    if (!c) return std::nullopt;
    const bool inrange = (c->lowincluded ? v >= c->low : v > c->low) && v < c->high;
    if (!inrange) return std::nullopt;
    const double raw = std::nearbyint(c->raw);
    const double top = map == 1 ? 0xFFFF : 255;
    if (raw < 0 || raw > top) return std::nullopt; // 25.58 on map 43 would be 256
    return int(raw);
}

namespace {
// The number "Value was" shows: map 40 in whole cam degrees, any other map in full.
QString wasnumber(int map, int raw, bool vct, int spread) {
    if (map == 40 && vct) return decimaltext(std::nearbyint(raw * spread / 255.0) - spread / 2.0);
    return decimaltext(shownvalue(map, raw));
}
} // namespace

QString valuewastext(int map, int raw, bool vct, int spread)
{
    if (map == 40 && vct) return "Value was:   " + wasnumber(map, raw, vct, spread) + " degrees";
    const char *unit = map <= 3 ? " ms" : map <= 7 ? " degrees" : map <= 42 ? " %" : " :1";
    return "Value was:    " + wasnumber(map, raw, vct, spread) + unit;
}

void inputentry(const QString &text, int x, int y)
{
    const std::optional<double> v = typednumber(text);
    if (!v || !entrymap(curmap) || !incell(curmap, x, y)) return;
    // The grid and "Value was" round a cell (map 40 in cam degrees to a tenth or a whole
    // degree): a text either shows for the cell stands for the cell's own value, so entering
    // what is shown never moves it. Only another text is converted.
    const int was = cellvalue(curimage, curmap, x, y);
    const bool vct = vctform();
    const bool shown = text == cellvaluetext(curmap, was, vct, vctspread) ||
                       text == wasnumber(curmap, was, vct, vctspread);
    if (const std::optional<int> raw = shown ? was : inputraw(curmap, *v, vct, vctspread)) {
        setcellvalue(curimage, curmap, x, y, *raw);
        markedited();
    }
    cellchanged[mapcatalogue(curmap).changedslot][x][y] = flagset;
    if (curmap >= 40 && online == flagset) markpending(x, y);
}

} // namespace korvane
