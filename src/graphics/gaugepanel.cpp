#include "graphics/gaugepanel.h"
#include "core/colours.h"
#include "core/editorstate.h"
#include "core/livedata.h"
#include "core/prefs.h"
#include "editor/numbertext.h"
#include "graphics/gaugefaces.h"
#include "graphics/gaugeneedles.h"
#include "platform/canvas.h"

#include <algorithm>
#include <cmath>

namespace korvane {

namespace {
constexpr uint32_t black = 0, red = 0x0000FF, cyan = 0xFFFF00, orange = 0x2090F0;
constexpr int barmax = 1380;
int rowtop(int r) { return (24 * r + 156) * 15; }
bool barmode() { return prefs[5] != 0; }

// The value a cell shows: the live value, or its peak while the panel holds. Every call
// first raises the slot's peak to the live value.
int shown(int slot)
{
    if (livevals[slot] > livepeaks[slot]) livepeaks[slot] = livevals[slot];
    return panelhold == 255 ? livepeaks[slot] : livevals[slot];
}

void clearpeaks()
{
    // Engine speed (1) and knock (16) keep their peaks: the panel shows neither.
    livepeaks[0] = 0;
    std::fill(livepeaks + 2, livepeaks + 16, int16_t(0));
}

struct Number {
    int row, slot, x;
    double scale, offset; // shown = v * scale + offset
    int decimals;
};
constexpr Number numbers[] = {
    {0, 0, 1245, 1, 0, 0},        {1, 3, 1045, 0.005, 0, 3}, {2, 4, 1245, 0.4, 0, 0},
    {3, 5, 1245, 1, 0, 0},        {4, 6, 870, 0.004, 0, 1},  {4, 7, 1645, 0.004, 0, 1},
    {5, 8, 1245, 0.1, 0, 1},      {6, 9, 1245, 1, 0, 0},     {7, 10, 1145, 0.02, 10, 1},
    {8, 11, 1245, 1, -20, 0},     {9, 12, 1245, 1, -20, 0},  {10, 13, 870, 0.5, -64, 0},
    {10, 14, 1645, 0.5, -64, 0},  {11, 15, 1245, 0.39, 0, 0},
};

void drawnumbers(Canvas &pic)
{
    for (int r = 0; r < 12; ++r) pic.box(780, (24 * r + 157) * 15, 2220, (24 * r + 174) * 15, black);
    pic.FontName = "HandelGothic BT";
    pic.FontSize = 14;
    pic.FontBold = true;
    pic.FontItalic = false;
    pic.ForeColor = colours[4];
    for (const Number &n : numbers)
        pic.print(n.x, rowtop(n.row), fixedtext(shown(n.slot) * n.scale + n.offset, n.decimals));
}

// Bar length in twips for the value v of a row's slot, and whether it is in the red.
struct Bar {
    int row, slot, left; // from x = left to left + 10 + L (the throttle's to left + 20 + L)
    double (*length)(int v);
    int redfrom; // 0: never red
};
constexpr Bar bars[] = {
    {0, 0, 780, [](int v) { return 27.0 * v; }, 0},
    {1, 3, 780, [](int v) { return 0.34 * v; }, 0},
    {2, 4, 780, [](int v) { return 5.0 * v; }, 0},
    {3, 5, 780, [](int v) { return 5.0 * v; }, 0},
    {4, 6, 780, [](int v) { return 2.2 * v; }, 0},
    {4, 7, 1590, [](int v) { return 2.2 * v; }, 0},
    {5, 8, 780, [](int v) { return std::max(0.0, 13.6 * (v - 100)); }, 706},
    {6, 9, 780, [](int v) { return 52.0 * v; }, 0},
    {7, 10, 780, [](int v) { return 2.8 * v; }, 0},
    {8, 11, 780, [](int v) { return v > 20 ? 13.0 * (v - 20) : 0.0; }, 1301},
    {9, 12, 780, [](int v) { return v > 20 ? 13.0 * (v - 20) : 0.0; }, 1301},
    {10, 13, 780, [](int v) { return 9.0 * (v - 128) + 296; }, 0},
    {10, 14, 1590, [](int v) { return 9.0 * (v - 128) + 296; }, 0},
    {11, 15, 780, [](int v) { return 5.4 * v; }, 0},
};

void drawbars(Canvas &pic)
{
    for (int i = 0; i < 12; ++i) pic.box(780, 2540 + 360 * i, 2220, 2610 + 360 * i, black);
    for (int i = 0; i < 12; ++i)
        for (int j = 0; j <= 10; ++j)
            pic.line(810 + 129 * j, 2510 + 360 * i, 810 + 129 * j, 2540 + 360 * i, cyan);
    for (const Bar &b : bars) {
        const int L = std::min<int>(int(std::nearbyint(b.length(shown(b.slot)))), barmax);
        const bool inred = b.redfrom > 0 && L >= b.redfrom;
        // The throttle bar reaches 10 twips further.
        const int end = b.left + (b.slot == 15 ? 20 : 10) + L;
        pic.box(b.left, (24 * b.row + 170) * 15, end, (24 * b.row + 174) * 15,
                inred ? red : colours[4]);
    }
}
} // namespace

void paneldraw(Canvas &Picture3, Canvas &picgauges)
{
    if (vctview > 4) return;
    for (int slot : {13, 14}) livevals[slot] = std::clamp<int16_t>(livevals[slot], 104, 152);
    Picture3.DrawWidth = 1;
    if (barmode())
        drawbars(Picture3);
    else
        drawnumbers(Picture3);
    drawgauges(Picture3, picgauges);
}

void holdpeaks()
{
    panelhold = 255;
    colours[4] = orange;
    clearpeaks();
}

void resetpeaks(Canvas &Picture3, Canvas &picgauges)
{
    colours[4] = cyan;
    panelhold = 0;
    clearpeaks();
    // After the colour changed, so the repainted bars are cyan again.
    if (prefs[5] == prefon) panelpicreset(Picture3, picgauges);
}

void togglepanelmode(Canvas &Picture3, Canvas &picgauges)
{
    prefs[5] = prefs[5] == prefon ? prefoff : prefon;
    panelpicreset(Picture3, picgauges);
    paneldraw(Picture3, picgauges);
}

} // namespace korvane
