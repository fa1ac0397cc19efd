#include "core/splash.h"

#include "core/buildprofile.h"
#include "platform/canvas.h"

#include <QString>

#include <initializer_list>
#include <utility>

namespace korvane {

namespace {
constexpr int logounit = 48;     // twips
constexpr int picturebottom = 7000;
constexpr uint32_t black = 0x000000, red = 0x0000FF;

using point = std::pair<int, int>;

// The logo as outlines in logo units: a framed K over a signal trace (black), and an arrow
// through the frame with an inner frame and speed lines (red). 32 black and 20 red segments.
const std::initializer_list<point> blackoutlines[] = {
    {{10, 50}, {75, 50}, {75, 130}, {10, 130}, {10, 50}},
    {{8, 48}, {77, 48}, {77, 132}, {8, 132}, {8, 48}},
    {{20, 60}, {30, 60}, {30, 85}, {50, 60}, {62, 60}, {38, 90}, {62, 120}, {50, 120},
     {30, 95}, {30, 120}, {20, 120}, {20, 60}},
    {{10, 44}, {15, 40}, {20, 44}, {25, 40}, {30, 44}, {35, 40}, {40, 44}, {45, 40}, {50, 44},
     {55, 40}, {60, 44}, {65, 40}, {70, 44}, {75, 40}},
};
const std::initializer_list<point> redoutlines[] = {
    {{40, 100}, {70, 100}, {70, 110}, {85, 95}, {70, 80}, {70, 90}, {40, 90}, {40, 100}},
    {{12, 52}, {73, 52}, {73, 128}, {12, 128}, {12, 52}},
    {{88, 60}, {93, 65}, {98, 60}, {103, 65}, {108, 60}, {113, 65}, {118, 60}, {123, 65},
     {128, 60}, {133, 65}},
};

template <class Outlines> void drawoutlines(Canvas &canvas, const Outlines &outlines, uint32_t colour)
{
    for (const auto &outline : outlines) {
        const point *previous = nullptr;
        for (const point &p : outline) {
            if (previous) splashline(canvas, previous->first, previous->second, p.first, p.second, colour);
            previous = &p;
        }
    }
}

// Each mnemonic stands for one tenth of the random range, the highest first.
const char *mnemonic(float r)
{
    if (r > 0.9f) return "LDAA $0,X ";
    if (r > 0.8f) return "LDAB tps ";
    if (r > 0.7f) return "MUL ";
    if (r > 0.6f) return "ABX ";
    if (r > 0.5f) return "XGDX ";
    if (r > 0.4f) return "LDAA cts ";
    if (r > 0.3f) return "LDAB $0,Y ";
    if (r > 0.2f) return "LDX delay ";
    if (r > 0.1f) return "LDAA ign ";
    return "RTS ";
}

void printat(Canvas &canvas, double x, double y, double size, uint32_t colour, bool styled,
             const QString &text)
{
    canvas.CurrentX = x;
    canvas.CurrentY = y;
    canvas.FontSize = size;
    canvas.ForeColor = colour;
    canvas.FontBold = canvas.FontItalic = styled;
    canvas.print(text);
}
} // namespace

void splashline(Canvas &canvas, int x1, int y1, int x2, int y2, uint32_t colour)
{
    canvas.line(x1 * logounit, picturebottom - y1 * logounit, x2 * logounit,
                picturebottom - y2 * logounit, colour);
}

float Splash::random()
{
    return std::uniform_real_distribution<float>(0.0f, 1.0f)(generator);
}

void Splash::tick(Canvas &canvas)
{
    if (counter > 30000) counter = 30000;
    ++counter;
    buildsplash(canvas, counter);
}

void Splash::zeroesones(Canvas &canvas, int16_t step)
{
    QString text;
    for (int i = 0; i < 31; ++i) text += QString::fromLatin1(mnemonic(random()));
    const uint32_t fore = canvas.ForeColor; // the lines take the picture's own fore colour
    printat(canvas, 4000, step * 170, 8, fore, false, text);
}

void Splash::buildsplash(Canvas &canvas, int16_t step)
{
    if (step >= 1 && step <= 19) {
        zeroesones(canvas, step);
    } else if (step == 20) {
        drawoutlines(canvas, blackoutlines, black);
        drawoutlines(canvas, redoutlines, red);
    } else if (step == 21) {
        printat(canvas, 1700, 5300, 25, profilecolours[3], true, titletext);
    } else if (step == 22) {
        printat(canvas, 1700, 5800, 25, profilecolours[4], true, "on-line programmer");
    } else if (step == 23) {
        printat(canvas, 1700, 6450, 12, profilecolours[5], true, "Korvane Engineering, 2026");
    }
}

} // namespace korvane
