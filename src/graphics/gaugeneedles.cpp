#include "graphics/gaugeneedles.h"
#include "core/livedata.h"
#include "core/prefs.h"
#include "editor/numbertext.h"
#include "editor/panellayout.h"
#include "graphics/gaugefaces.h"
#include "platform/canvas.h"

#include <algorithm>
#include <cmath>

namespace korvane {

namespace {
constexpr double pi = 3.1416;
constexpr double needle = 470;
constexpr uint32_t red = 0x0000FF, green = 0x00FF00, yellow = 0x00FFFF;
constexpr int atmospheric = 178;
constexpr int gaugey = 890;

// Angle 0.8 points to the lower left; larger angles turn clockwise over the top.
void drawneedle(Canvas &pic, double fromx, double cx, double cy, double a)
{
    pic.line(fromx, cy, cx - needle * std::sin(a), cy + needle * std::cos(a), red);
}

// Erases the old needle with a face-coloured disc and puts the red hub on.
void hub(Canvas &pic, double cx, double cy)
{
    pic.DrawWidth = 2;
    pic.fillstyle = FillStyle::solid;
    pic.FillColor = facecolour;
    pic.circle(cx, cy, 490, facecolour);
    pic.FillColor = red;
    pic.circle(cx, cy, 40, red);
}

void loadgauge(Canvas &pic)
{
    const int v = livevals[liveloadvalue];
    const bool metric = prefs[0] != 0;
    hub(pic, 1120, 930);
    if (v >= atmospheric)
        drawneedle(pic, 1120, 1120, 930, ((v - atmospheric) / (metric ? 111.0 : 75.0) + 1) * pi);
    else
        drawneedle(pic, 1100, 1120, 930, metric ? v * pi / 177 - 0.05 : v * pi / 190 + 0.22);
    pic.fillstyle = FillStyle::transparent;

    pic.FontName = "arial";
    pic.FontSize = 8;
    pic.FontBold = true;
    pic.FontItalic = false;
    pic.box(860, 1400, 1400, 1600, 0);
    pic.ForeColor = v < atmospheric ? green : yellow;
    if (v < atmospheric && metric) {
        pic.print(1030, 1400, fixedtext(v * 0.569, 0)); // kPa absolute
    } else if (v < atmospheric) {
        pic.print(940, 1400, "- ");
        pic.print(1040, 1400, fixedtext((atmospheric - v) * 4.26, 0)); // mmHg of vacuum
    } else if (metric) {
        pic.print(1000, 1400, fixedtext((v - atmospheric) * 3.58 + 101, 0));
    } else {
        pic.print(940, 1400, "+ ");
        pic.print(1050, 1400, fixedtext((v - atmospheric) * 0.52, 1)); // psi of boost
    }
}
} // namespace

void drawgauges(Canvas &Picture3, Canvas &picgauges)
{
    loadgauge(Picture3);
    // The faces of gauges 2..6 exist only in a wide window (the one rule of widegauges).
    if (widegauges == 0) return;
    Canvas &pic = picgauges;
    const double centres[5] = {1570, 4240, 6880, 9530, 12180};
    for (double cx : centres) hub(pic, cx, gaugey);
    pic.fillstyle = FillStyle::transparent;
    drawneedle(pic, 1570, 1570, gaugey, livevals[liveadvance] * pi / 41 + 0.8);
    pic.DrawWidth = 1;
    const int knock = livevals[liveknock];
    pic.box(1280, 1420, 1850, 1500, 0);
    pic.box(1280, 1420, 1300 + 2 * knock, 1500, yellow);
    pic.DrawWidth = 2;
    livevals[livecoolant] = std::min<int16_t>(livevals[livecoolant], 130);
    drawneedle(pic, 4240, 4240, gaugey, livevals[liveduty] * pi / 204 + 0.8);
    drawneedle(pic, 6880, 6880, gaugey, livevals[liverpm50] * pi / 159 + 0.8);
    drawneedle(pic, 9530, 9530, gaugey, livevals[livecoolant] * pi / 80 + 0.8);
    drawneedle(pic, 12180, 12180, gaugey, livevals[livethrottle] * pi / 204 + 0.8);
}

} // namespace korvane
