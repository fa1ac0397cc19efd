#include "logging/crankplot.h"

#include "logging/crankcapture.h"
#include "platform/canvas.h"

namespace korvane {

namespace {
constexpr uint32_t black = 0, green = 0x00FF00, yellow = 0x00FFFF, grey = 0x808080;

// One pulse train: at each edge a step between the levels; each interval is drawn at the low
// level until its step, at the high level after it. step(a, b) is the step's x between edges
// a and b, in plot units.
template <class Step>
void drawtrain(Canvas &canvas, const int32_t *edges, int k, double shift, double high, double low,
               uint32_t colour, Step step)
{
    const int32_t e = edges[k];
    if (e <= 0) return;
    const double x = 20.0 * e + shift;
    if (k > 0) {
        const double m = step(edges[k - 1], e) + shift;
        canvas.line(x, high, m, high, colour);
        canvas.line(20.0 * edges[k - 1] + shift, low, m, low, colour);
        canvas.line(m, high, m, low, colour);
    }
    canvas.line(x, high, x, low, colour);
}
} // namespace

void drawdata(Canvas &canvas, int scroll)
{
    const double shift = -1000.0 * scroll;
    // The clear covers the visible plot whatever the scroll position.
    canvas.box(0, 0, 12000, 4000, black);
    canvas.line(10.0 * firsttrig + shift, 1000, 10.0 * firsttrig + shift, 1500, green);
    canvas.line(10.0 * firstsync + shift, 2000, 10.0 * firstsync + shift, 2500, yellow);
    for (int i = 0; i <= 50; ++i) canvas.line(2560.0 * i + shift, 0, 2560.0 * i + shift, 5000, grey);
    for (int k = 0; k < crankedges; ++k) {
        drawtrain(canvas, trigedges, k, shift, 500, 1000, green,
                  [](double a, double b) { return 10 * (a + b); });
        drawtrain(canvas, syncedges, k, shift, 1500, 2000, yellow,
                  [](double a, double b) { return 7 * a + 13 * b; });
    }
}

} // namespace korvane
