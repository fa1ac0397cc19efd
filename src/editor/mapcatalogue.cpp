#include "editor/mapcatalogue.h"

#include "core/calimage.h"
#include "core/prefs.h"
#include "editor/numbertext.h"

#include <array>

namespace korvane {

namespace {

using K = mapkind;
using S = mapstore;
using H = headerkind;
using F = valueform;
using M = mapmenu;

// Columns: title, kind, store, first row, headers, caption, raw limits, step factor,
// fast trim and its preference slot, changed-flag slot, display scale and offset, form,
// VCT form, menu and index.
constexpr std::array<mapinfo, 43> catalogue{{
    {"Fuel map", K::sites32, S::fuelmap, 0, H::sites, "", 0, 10000, 0.005, 10, 14, 0, 0.005, 0, F::decimal, false, M::ramgroup, 0},
    {"Fuel anti-lag trim map", K::sites32, S::rammaps, 0, H::sites, "", 0, 255, 0.08, 2, 15, 1, 0.08, 128, F::decimal, false, M::ramgroup, 1},
    {"Fuel auxiliary trim map", K::sites32, S::rammaps, 32, H::sites, "", 0, 255, 0.08, 2, 16, 2, 0.08, 128, F::decimal, false, M::ramgroup, 2},
    {"Spark map", K::sites32, S::rammaps, 64, H::sites, "", 0, 50, 1, 2, 17, 3, 1, 0, F::whole, false, M::ramgroup, 3},
    {"Spark anti-lag trim map", K::sites32, S::rammaps, 96, H::sites, "", 78, 178, 1, 2, 18, 4, 1, 128, F::whole, false, M::ramgroup, 4},
    {"Spark auxiliary trim map", K::sites32, S::rammaps, 128, H::sites, "", 78, 178, 1, 2, 19, 5, 1, 128, F::whole, false, M::ramgroup, 5},
    {"Spark backup map", K::sites32, S::rammaps, 160, H::sites, "", 0, 50, 1, 2, 20, 6, 1, 0, F::whole, false, M::ramgroup, 6},

    {"Coolant temp trim", K::table16, S::settings, 16, H::temperature, "enr. %", 0, 255, 0.5, 1, -1, -1, 0.5, 0, F::decimal, false, M::control1, 0},
    {"Injector response", K::table16, S::settings, 17, H::batteryvolts, "ms", 0, 255, 0.005, 1, -1, -1, 0.005, 0, F::decimal, false, M::control1, 1},
    {"Air temp trim", K::table16, S::settings, 18, H::temperature, "enr. %", 0, 255, 0.1, 1, -1, -1, 0.1, 128, F::decimal, false, M::control1, 2},
    {"Gear spark trim", K::table16, S::settings, 19, H::gear, "degrees", 0, 255, 1, 1, -1, -1, 1, 128, F::whole, false, M::control1, 3},
    {"Injection phasing", K::table16, S::settings, 20, H::rpm, "degrees", 0, 255, 1, 1, -1, -1, 1, 0, F::whole, false, M::control1, 4},
    {"Throttle pump", K::table16, S::settings, 21, H::rpm, "enr. %", 0, 255, 0.4, 1, -1, -1, 0.4, 0, F::decimal, false, M::control1, 5},
    {"Post start enrichment", K::table16, S::settings, 22, H::temperature, "enr. %", 0, 255, 0.5, 1, -1, -1, 0.5, 0, F::decimal, false, M::control1, 6},
    {"Knock threshold", K::table16, S::settings, 23, H::rpm, "volts", 0, 255, 0.02, 1, -1, -1, 0.02, 0, F::decimal, false, M::control1, 7},

    {"Boost target", K::table16, S::settings, 24, H::rpm, "psi", 0, 255, 0.15, 1, -1, -1, 0.15, 0, F::decimal, false, M::control2, 0},
    {"Air temp spark trim", K::table16, S::settings, 25, H::temperature, "degrees", 0, 255, 1, 1, -1, -1, 1, 128, F::whole, false, M::control2, 1},
    {"Coolant temp spark trim", K::table16, S::settings, 26, H::temperature, "degrees", 0, 255, 1, 1, -1, -1, 1, 128, F::whole, false, M::control2, 2},
    {"Idle speed target", K::table16, S::settings, 27, H::temperature, "rpm", 0, 255, 8, 1, -1, -1, 8, 0, F::whole, false, M::control2, 3},
    {"Dwell", K::table16, S::settings, 28, H::batteryvolts, "ms", 0, 255, 0.04, 1, -1, -1, 0.04, 0, F::decimal, false, M::control2, 4},
    {"Cranking enrichment", K::table16, S::settings, 29, H::temperature, "enr. %", 0, 255, 1, 1, -1, -1, 1, 0, F::whole, false, M::control2, 5},
    {"Start primer", K::table16, S::settings, 30, H::temperature, "ms", 0, 255, 0.08, 1, -1, -1, 0.08, 0, F::decimal, false, M::control2, 6},
    {"TPS fuel trim", K::table16, S::settings, 31, H::throttle, "enr. %", 0, 255, 0.1, 1, -1, -1, 0.1, 128, F::decimal, false, M::control2, 7},

    {"Fuel cut limit", K::table16, S::settings, 32, H::temperature, "rpm", 0, 255, 8, 1, -1, -1, 8, 0, F::whole, false, M::control3, 0},
    {"Trim by gear", K::table16, S::settings, 33, H::gear, "enr. %", 0, 255, 0.1, 1, -1, -1, 0.1, 128, F::decimal, false, M::control3, 1},
    {"Dwell trim", K::table16, S::settings, 34, H::rpm, "ms", 0, 255, 0.04, 1, -1, -1, 0.04, 128, F::decimal, false, M::control3, 2},
    {"Knock fuel add", K::table16, S::settings, 35, H::retard, "enr. %", 0, 255, 0.1, 1, -1, -1, 0.1, 0, F::decimal, false, M::control3, 3},
    // Inverted: raw 255 shows 0, each count below it 3 mmHg more.
    {"Closed loop limit", K::table16, S::settings, 36, H::rpm, "vac mmHg", 0, 255, 3, 1, -1, -1, -3, 255, F::whole, false, M::control3, 4},
    {"Autotune rate", K::table16, S::settings, 37, H::rpm, "I term", 0, 255, 1, 1, -1, -1, 1, 0, F::whole, false, M::control3, 5},
    {"Max ISC integrator", K::table16, S::settings, 38, H::temperature, "I %", 0, 255, 0.4, 1, -1, -1, 0.4, 0, F::decimal, false, M::control3, 6},
    {"Min AC ISC integrator", K::table16, S::settings, 39, H::temperature, "I %", 0, 255, 0.4, 1, -1, -1, 0.4, 0, F::decimal, false, M::control3, 7},

    {"PWM MAP 1", K::table16, S::settings, 40, H::pwminput, "duty %", 0, 255, 0.4, 1, -1, -1, 0.4, 0, F::decimal, false, M::pwm2d, 0},
    {"PWM MAP 2", K::table16, S::settings, 41, H::pwminput, "duty %", 0, 255, 0.4, 1, -1, -1, 0.4, 0, F::decimal, false, M::pwm2d, 1},
    {"PWM MAP 3", K::table16, S::settings, 42, H::pwminput, "duty %", 0, 255, 0.4, 1, -1, -1, 0.4, 0, F::decimal, false, M::pwm2d, 2},
    {"PWM MAP 4", K::table16, S::settings, 43, H::pwminput, "duty %", 0, 255, 0.4, 1, -1, -1, 0.4, 0, F::decimal, false, M::pwm2d, 3},
    {"PWM MAP 5", K::table16, S::settings, 44, H::pwminput, "duty %", 0, 255, 0.4, 1, -1, -1, 0.4, 0, F::decimal, false, M::pwm2d, 4},
    {"PWM MAP 6", K::table16, S::settings, 45, H::pwminput, "duty %", 0, 255, 0.4, 1, -1, -1, 0.4, 0, F::decimal, false, M::pwm2d, 5},
    {"PWM MAP 7", K::table16, S::settings, 46, H::pwminput, "duty %", 0, 255, 0.4, 1, -1, -1, 0.4, 0, F::decimal, false, M::pwm2d, 6},
    {"PWM MAP 8", K::table16, S::settings, 47, H::pwminput, "duty %", 0, 255, 0.4, 1, -1, -1, 0.4, 0, F::decimal, false, M::pwm2d, 7},

    {"PWM MAP 9", K::pwm24, S::pwmmaps, 0, H::percent, "", 0, 255, 0.4, 1, -1, 7, 0.4, 0, F::decimal, true, M::pwm3d, 0},
    {"PWM MAP 10", K::pwm24, S::pwmmaps, 24, H::percent, "", 0, 255, 0.4, 1, -1, 8, 0.4, 0, F::decimal, false, M::pwm3d, 1},
    {"PWM MAP 11", K::pwm24, S::pwmmaps, 48, H::percent, "", 0, 255, 0.4, 1, -1, 9, 0.4, 0, F::decimal, false, M::pwm3d, 2},
    {"AFR target", K::sites32, S::afrmap, 0, H::sites, "", 0, 255, 0.1, 1, -1, 10, 0.1, 0, F::decimal, false, M::afr, 0},
}};

// Element of a one-byte map; nullptr for the fuel map, whose cells are 16 bits.
int16_t *byteelement(calimage &image, const mapinfo &m, int r, int l)
{
    switch (m.store) {
    case S::rammaps: return &image.rammaps[m.firstrow + r][l];
    case S::pwmmaps: return &image.pwmmaps[m.firstrow + r][l];
    case S::afrmap: return &image.afrmap[m.firstrow + r][l];
    case S::settings: return &image.settings[m.firstrow][l];
    case S::fuelmap: break;
    }
    return nullptr;
}

} // namespace

const mapinfo *findmap(int map)
{
    if (map < firstmap || map > lastmap) return nullptr;
    return &catalogue[map - 1];
}

const mapinfo &mapcatalogue(int map) { return catalogue[map - 1]; }

int maprows(int map)
{
    const mapinfo *m = findmap(map);
    if (!m) return 0;
    return m->kind == K::sites32 ? 32 : m->kind == K::pwm24 ? 24 : 1;
}

int mapcols(int map)
{
    const mapinfo *m = findmap(map);
    if (!m) return 0;
    return m->kind == K::sites32 ? 32 : m->kind == K::pwm24 ? 24 : 16;
}

bool incell(int map, int r, int l)
{
    return r >= 0 && r < maprows(map) && l >= 0 && l < mapcols(map);
}

int cellvalue(const calimage &image, int map, int r, int l)
{
    if (!incell(map, r, l)) return -1;
    const mapinfo &m = mapcatalogue(map);
    if (m.store == S::fuelmap) return image.fuelmap[r][l];
    return *byteelement(const_cast<calimage &>(image), m, r, l);
}

bool setcellvalue(calimage &image, int map, int r, int l, int value)
{
    if (!incell(map, r, l)) return false;
    const mapinfo &m = mapcatalogue(map);
    if (m.store == S::fuelmap) {
        if (value < 0 || value > 0xFFFF) return false;
        image.fuelmap[r][l] = value;
        return true;
    }
    if (value < 0 || value > 255) return false;
    *byteelement(image, m, r, l) = int16_t(value);
    return true;
}

int celladdress(int map, int r, int l)
{
    if (!incell(map, r, l)) return -1;
    const mapinfo &m = mapcatalogue(map);
    switch (m.store) {
    case S::fuelmap: return fueladdress(r, l);
    case S::rammaps: return ramaddress(m.firstrow + r, l);
    case S::pwmmaps: return pwmaddress(m.firstrow + r, l);
    case S::afrmap: return afraddress(m.firstrow + r, l);
    case S::settings: return settingsaddress(m.firstrow, l);
    }
    return -1;
}

int singlewriteaddress(int map, int r, int l)
{
    const mapinfo *m = findmap(map);
    if (!m || m->store == S::fuelmap || m->store == S::rammaps) return -1;
    // A table has one row: the rpm-side cursor plays no part in its address.
    if (m->kind == K::table16) r = 0;
    return celladdress(map, r, l);
}

double shownvalue(int map, int raw)
{
    const mapinfo &m = mapcatalogue(map);
    return (raw - m.displayoffset) * m.displayscale;
}

int16_t defaulttrimstep(int map)
{
    const mapinfo *m = findmap(map);
    if (!m || m->trimpref < 0) return 1;
    return prefs[m->trimpref] != 0 ? m->fasttrim : 1;
}

QString headertext(headerkind kind, int i, char axis)
{
    switch (kind) {
    case H::sites: break;
    case H::percent: return fixedtext(4.3 * i, 0) + "% " + QChar(axis);
    case H::temperature: return QString::number(10 * i - 20) + " C";
    case H::batteryvolts: return fixedtext(10 + 0.33 * i, 1) + " V";
    case H::rpm: return QString::number(800 * i) + " RPM";
    case H::gear: return "gear " + QString::number(i + 1);
    case H::throttle: return fixedtext(6.6 * i, 0) + " % TPS";
    case H::retard: return QString::number(i) + " deg. retard";
    case H::pwminput: return fixedtext(6.66 * i, 0) + "% X";
    }
    return {};
}

} // namespace korvane
