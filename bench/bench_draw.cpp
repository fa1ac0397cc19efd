// One frame of the 3D fuel-map drawing into the graph picture's image, against the budget of
// 5 ms a frame (a redraw runs on the user-interface thread every third live tick).
#include "core/calimage.h"
#include "core/colours.h"
#include "core/editorstate.h"
#include "core/livecell.h"
#include "editor/axislabels.h"
#include "graphics/projection.h"
#include "graphics/threedraw.h"
#include "platform/canvasimage.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>
#include <chrono>

using namespace korvane;

namespace {
constexpr double framebudget = 0.005; // seconds

void threedframe(benchmark::State &state)
{
    for (int i = 0; i < 32; ++i)
        for (int j = 0; j < 32; ++j) curimage.fuelmap[i][j] = 300 + 30 * i + 20 * j;
    colours[0] = 0, colours[1] = 0x00FF00, colours[6] = 0xFFFFFF;
    resettraces(colours[1]);
    rpmsites = loadsites = 32;
    curmap = 1;
    currpm = curload = 8;
    liverpm = liveload = 12;
    loadrotcartesians();
    ImageCanvas picture(QSize(452, 352)); // picGraph, 6770 x 5280 twips
    ThreeDraw32(picture); // the first frame also loads the captions' font
    double worst = 0, total = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        ThreeDraw32(picture);
        benchmark::DoNotOptimize(picture.image().constBits()); // every line painted
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        worst = std::max(worst, took.count());
        total += took.count();
        state.SetIterationTime(took.count());
    }
    state.counters["budget_share"] = total / double(state.iterations()) / framebudget;
    state.counters["worst_share"] = worst / framebudget;
}
} // namespace

BENCHMARK(threedframe)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(1.0);

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
