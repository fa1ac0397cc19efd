#pragma once
#include <QString>

#include <cstdint>

namespace korvane {

struct calimage;

constexpr int firstmap = 1, lastmap = 43;

// The three shapes of map the editor shows.
enum class mapkind : uint8_t {
    sites32, // 32 x 32 over the rpm and load sites: maps 1..7 and 43
    pwm24,   // 24 x 24 PWM map over X and Y percent: maps 40..42
    table16, // one row of 16 entries: maps 8..39
};

// The calibration array a map's cells live in.
enum class mapstore : uint8_t { fuelmap, rammaps, pwmmaps, afrmap, settings };

// What the row and column headers of a map read.
enum class headerkind : uint8_t {
    sites,        // rpmlabels / loadlabels
    percent,      // "0% X" .. / "0% Y" .. every 4.3 %
    temperature,  // "-20 C" .. "130 C"
    batteryvolts, // "10.0 V" ..
    rpm,          // "0 RPM" .. "12000 RPM"
    gear,         // "gear 1" .. "gear 16"
    throttle,     // "0 % TPS" .. "99 % TPS"
    retard,       // "0 deg. retard" ..
    pwminput,     // "0% X" .. "100% X" every 6.66 %
};

// How a cell's shown value (raw - displayoffset) x displayscale is written.
enum class valueform : uint8_t {
    decimal, // shortest decimal text, at most 15 significant digits
    whole,   // a whole number
};

// The editor's menus that select maps; each entry selects firstmap of its menu + its index.
enum class mapmenu : uint8_t { ramgroup, control1, control2, control3, pwm2d, pwm3d, afr };

// One map of the catalogue.
struct mapinfo {
    const char *title;    // map label text
    mapkind kind;
    mapstore store;
    int firstrow;         // first row of the map in its array (the settings row of a table)
    headerkind headers;   // row and column headers (tables: column headers only)
    const char *caption;  // corner caption of a table, else ""
    int16_t rawmin, rawmax; // range that key steps keep a cell in
    double stepfactor;    // unit of one raw count on the step label
    int16_t fasttrim;     // default trim step when trimpref is on (1 when there is none)
    int8_t trimpref;      // preference slot that asks for fasttrim, -1 none
    int8_t changedslot;   // first index of cellchanged, -1 when the map keeps no flags
    double displayscale;  // shown value = (raw - displayoffset) x displayscale
    int16_t displayoffset;
    valueform form;
    bool vctform;         // shown in degrees when the VCT configuration asks for it
    mapmenu menu;
    int8_t menuindex;     // index of the entry within its menu
};

// The catalogue row of map 1..43; a map number outside that range is refused with nullptr.
const mapinfo *findmap(int map);
// The catalogue row of map 1..43; the caller guarantees the range.
const mapinfo &mapcatalogue(int map);

// Rows and columns of the map's grid: 32 x 32, 24 x 24, or 1 x 16 for a table.
int maprows(int map);
int mapcols(int map);
// True when (r, l) is a cell of the map (tables: r 0, l 0..15).
bool incell(int map, int r, int l);

// The raw value of cell (r, l) of the map in image; -1 for a cell outside the map.
int cellvalue(const calimage &image, int map, int r, int l);
// Stores the raw value of cell (r, l); false (nothing stored) outside the map or outside
// 0..65535 for the fuel map and 0..255 for every other map.
bool setcellvalue(calimage &image, int map, int r, int l, int value);
// ECU address of cell (r, l) (of its high byte on the fuel map); -1 outside the map.
int celladdress(int map, int r, int l);
// Address a single-setting write of cell (r, l) goes to; -1 for maps 1..7, which reach the
// ECU only through the keyboard trim and the row copy, and outside the map.
int singlewriteaddress(int map, int r, int l);

// The value a raw count of the map stands for, (raw - displayoffset) x displayscale (map 40's
// degree form aside).
double shownvalue(int map, int raw);

// The trim step selectmap starts the map with, from the user's preferences.
int16_t defaulttrimstep(int map);

// Header text i of a table or PWM map's header kind (sites headers come from the axis labels).
QString headertext(headerkind kind, int i, char axis = 'X');

} // namespace korvane
