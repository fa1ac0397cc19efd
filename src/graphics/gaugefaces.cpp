#include "graphics/gaugefaces.h"
#include "core/buildprofile.h"
#include "core/prefs.h"
#include "editor/panellayout.h"
#include "graphics/gaugepanel.h"
#include "platform/canvas.h"

#include <vector>

namespace korvane {

namespace {
constexpr uint32_t rimcolour = 0x7796E6, boostcolour = 0x4766FF, yellow = 0x00FFFF;
constexpr double aspect = 0.9;
constexpr double rim = 860;
// The inner erasure ends where its 2-pixel pen ended, just short of the rim; the zones reach
// a little beyond the rim, which is drawn over them.
constexpr double inner = 2.95 * 254 + 15, zone = 3.35 * 254 + 15;

const char *const rowlabels[12] = {"ADV", "FUEL", "DUTY", "VSS", "O2",  "AFR",
                                   "PSI", "BATT", "AIR",  "COOL", "STT", "TPS"};

struct Label {
    const char *text;
    int x, y;
};
// Bar scale texts of each row, at y = 2350 + 360 r.
const std::vector<Label> &scale(int row)
{
    static const std::vector<Label> percent = {{"0", 800, 0},    {"20", 1008, 0}, {"40", 1266, 0},
                                               {"60", 1524, 0},  {"80", 1782, 0}, {"100", 1990, 0}};
    static const std::vector<Label> rows[12] = {
        {{"0", 800, 0}, {"10", 1008, 0}, {"20", 1266, 0}, {"30", 1524, 0}, {"40", 1782, 0}, {"50", 2040, 0}},
        {{"0", 800, 0}, {"4", 1028, 0}, {"8", 1306, 0}, {"12", 1524, 0}, {"16", 1782, 0}, {"20", 2040, 0}},
        percent,
        {{"0", 800, 0}, {"50", 1008, 0}, {"100", 1226, 0}, {"150", 1484, 0}, {"200", 1742, 0}, {"250", 1990, 0}},
        {{"0", 800, 0}, {"1", 1306, 0}, {"0", 1564, 0}, {"1", 2090, 0}},
        {{"10", 800, 0}, {"12", 1008, 0}, {"14", 1266, 0}, {"16", 1524, 0}, {"18", 1782, 0}, {"20", 2040, 0}},
        {{"0", 800, 0}, {"5", 1048, 0}, {"10", 1266, 0}, {"15", 1524, 0}, {"20", 1782, 0}, {"25", 2040, 0}},
        {{"10", 800, 0}, {"12", 1008, 0}, {"14", 1266, 0}, {"16", 1524, 0}, {"18", 1782, 0}, {"20", 2040, 0}},
        percent,
        percent,
        {{"-", 800, 0}, {"0", 1048, 0}, {"+", 1296, 0}, {"-", 1574, 0}, {"0", 1822, 0}, {"+", 2070, 0}},
        percent,
    };
    return rows[row];
}

void font(Canvas &pic, double size, bool bold, bool italic, uint32_t colour)
{
    pic.FontName = "HandelGothic BT";
    pic.FontSize = size;
    pic.FontBold = bold;
    pic.FontItalic = italic;
    pic.ForeColor = colour;
}

void drawframe(Canvas &pic)
{
    pic.DrawWidth = 1;
    // The whole picture, whatever the panel's width: no strip may keep an older drawing.
    pic.BackColor = profilecolours[6];
    pic.cls();
    for (int i = 0; i < 12; ++i) {
        pic.box(0, 2355 + 360 * i, 680, 2610 + 360 * i, 0x3F3F00);
        pic.box(780, 2355 + 360 * i, 2260, 2610 + 360 * i, 0);
    }
    for (uint32_t colour : {0xC0C0C0u, 0x8080C0u}) {
        const int offset = colour == 0xC0C0C0u ? 0 : 20;
        for (int i = 0; i < 12; ++i) pic.line(0, 2290 + offset + 360 * i, 2310, 2290 + offset + 360 * i, colour);
        pic.line(720 + offset, 2290, 720 + offset, 7000, colour);
    }
}

// Four dark lines through the centre; the erasure leaves their ends as ticks at the rim.
void ticklines(Canvas &pic, int x, int y)
{
    pic.DrawWidth = 1;
    pic.line(x - 840, y, x + 850, y, tickcolour);
    pic.line(x, y, x, y - 774, tickcolour);
    pic.line(x - 593, y - 545, x + 613, y + 565, tickcolour);
    pic.line(x - 593, y + 545, x + 613, y - 565, tickcolour);
}

void face(Canvas &pic, int x, int y)
{
    pic.DrawWidth = 1;
    pic.fillstyle = FillStyle::solid;
    pic.FillColor = facecolour;
    pic.circle(x, y, rim, facecolour, aspect);
    pic.fillstyle = FillStyle::transparent;
}

// Gauge 1's numbers and title: kPa around atmospheric, or mmHg of vacuum and psi of boost.
// The boost-side numbers sit on the coloured zones in the face colour.
void loadlabels(Canvas &pic)
{
    const bool metric = prefs[0] != 0;
    const Label boost[4] = {{metric ? "100" : "0", metric ? 1000 : 1075, 235},
                            {metric ? "200" : "10", 1470, 410},
                            {metric ? "300" : "20", 1630, 810},
                            {metric ? "400" : "30", 1490, 1230}};
    const Label vacuum[3] = {{metric ? "75" : "200", 580, metric ? 430 : 450},
                             {metric ? "50" : "400", 410, metric ? 830 : 850},
                             {metric ? "25" : "600", 580, 1270}};
    font(pic, 8, false, true, facecolour);
    for (const Label &l : boost) pic.print(l.x, l.y, l.text);
    font(pic, metric ? 8 : 6, false, true, tickcolour); // three-digit mmHg in a smaller size
    for (const Label &l : vacuum) pic.print(l.x, l.y, l.text);
    font(pic, 8, true, false, yellow);
    pic.print(metric ? 720 : 470, 1900, metric ? "Load (kPa)" : "Load (mmHg/psi)");
}

void gaugelabels(Canvas &pic, int gauge)
{
    struct Face {
        std::vector<Label> numbers;
        Label title;
    };
    static const Face faces[5] = {
        {{{"20", 1040, 390}, {"10", 860, 800}, {"0", 1080, 1220}, {"30", 1480, 200},
          {"40", 1920, 390}, {"50", 2090, 800}, {"60", 1920, 1220}},
         {"Advance (degrees)", 800, 1900}},
        {{{"40", 3710, 390}, {"20", 3530, 800}, {"0", 3750, 1220}, {"60", 4150, 200},
          {"80", 4590, 390}, {"100", 4720, 800}},
         {"Duty cycle (%)", 3730, 1900}},
        {{{"4", 6360, 390}, {"2", 6180, 800}, {"0", 6400, 1220}, {"6", 6820, 200},
          {"8", 7280, 390}, {"10", 7390, 800}, {"12", 7220, 1230}},
         {"Engine speed (RPM x 100)", 5850, 1900}},
        {{{"20", 9000, 390}, {"0", 8820, 800}, {"-20", 8950, 1220}, {"40", 9440, 200},
          {"60", 9890, 390}, {"80", 10040, 800}, {"100", 9860, 1220}},
         {"Coolant temp (C)", 8870, 1900}},
        {{{"40", 11650, 390}, {"20", 11470, 800}, {"0", 11690, 1220}, {"60", 12090, 200},
          {"80", 12530, 390}, {"100", 12660, 800}},
         {"TPS (%)", 11940, 1900}},
    };
    const Face &f = faces[gauge - 2];
    font(pic, 8, false, true, tickcolour);
    for (const Label &l : f.numbers) pic.print(l.x, l.y, l.text);
    font(pic, 8, true, false, yellow);
    pic.print(f.title.x, f.title.y, f.title.text);
}
} // namespace

void paintanaloggauge(int x, int y, int gauge, Canvas &box)
{
    if (gauge < 1 || gauge > 6) return;
    const uint32_t panel = profilecolours[6];
    if (gauge >= 2 && widegauges == 0) {
        box.ForeColor = panel;
        box.box(0, 0, 15000, 3000, panel);
        return;
    }
    if (gauge == 2) box.box(0, 0, 15000, 3000, panel);
    face(box, x, y);
    if (gauge == 1) {
        // The boost side's two zones, then the ticks, then the inside erased in the colour
        // of the zone each part lies in.
        box.pie(x, y, zone, rimcolour, 0, 1.7, aspect);
        box.pie(x, y, zone, boostcolour, 5.0, 0.3, aspect);
        ticklines(box, x, y);
        box.pie(x, y, inner, rimcolour, 0, 1.7, aspect);
        box.pie(x, y, inner, boostcolour, 5.0, 0.3, aspect);
        box.pie(x, y, inner, facecolour, 1.9, 4.0, aspect);
    } else {
        ticklines(box, x, y);
        box.pie(x, y, inner, facecolour, 0, 6.0, aspect);
        // The erasure starts exactly on the 3 o'clock line, which a sector's edge leaves
        // standing through the "50" and "10" numbers: erase it as the arcs' wide pen did.
        box.DrawWidth = 2;
        box.line(x, y, x + 2.95 * 254, y, facecolour);
    }
    box.DrawWidth = 1;
    box.circle(x, y, rim, rimcolour, aspect);
    if (gauge == 1)
        loadlabels(box);
    else
        gaugelabels(box, gauge);
}

void panelpicreset(Canvas &Picture3, Canvas &picgauges)
{
    drawframe(Picture3);
    paintanaloggauge(1120, 930, 1, Picture3);
    const int centres[5] = {1570, 4240, 6880, 9530, 12180};
    for (int g = 2; g <= 6; ++g) paintanaloggauge(centres[g - 2], 890, g, picgauges);
    paneldraw(Picture3, picgauges);
    font(Picture3, 12, true, true, 0xEFEF00);
    for (int r = 0; r < 12; ++r) Picture3.print(15, 2340 + 360 * r, rowlabels[r]);
    if (prefs[5] == 0) return;
    font(Picture3, 7, true, false, 0xAFAF00);
    for (int r = 0; r < 12; ++r)
        for (const Label &l : scale(r)) Picture3.print(l.x, 2350 + 360 * r, l.text);
}

} // namespace korvane
