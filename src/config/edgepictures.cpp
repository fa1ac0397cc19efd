#include "config/edgepictures.h"

#include "platform/canvas.h"

namespace korvane {

namespace {
constexpr uint32_t wavecolour = 0x0070CC;   // orange, red 204 green 112
constexpr uint32_t chosencolour = 0x00FFFF; // yellow
constexpr int high = 400, low = 600;
constexpr int edges[6]{200, 500, 800, 1100, 1400, 1700}; // falls and rises alternate
} // namespace

void drawedgepicture(Canvas &canvas, int edge)
{
    canvas.box(0, 1095, 2000, 0, 0);
    int from = 0;
    bool ishigh = true;
    for (const int x : edges) {
        canvas.line(from, ishigh ? high : low, x, ishigh ? high : low, wavecolour);
        const bool rising = !ishigh;
        const bool chosen = edge == 3 || (edge == 1 && rising) || (edge == 2 && !rising);
        canvas.line(x, high, x, low, chosen ? chosencolour : wavecolour);
        from = x;
        ishigh = !ishigh;
    }
    canvas.line(from, high, 2000, high, wavecolour);
}

} // namespace korvane
