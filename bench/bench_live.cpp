// One online live-loop tick (the serial part of the live-data poll) against the simulated ECU
// paced at 57600 baud, as a share of the 100 ms tick budget; unpaced, what the program itself
// costs per byte exchanged. With a reply latency (a USB adapter's timer: 1 ms asked for low
// latency, 16 ms by default) the same shares show what a real cable costs.
#include "core/editorstate.h"
#include "core/flags.h"
#include "core/linestate.h"
#include "core/livedata.h"
#include "core/mainport.h"
#include "core/prefs.h"
#include "platform/programfolder.h"
#include "simecu.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <chrono>

using namespace korvane;

namespace {
constexpr double tickbudget = 0.100;      // seconds: Timer1's interval
constexpr double bytetime = 10 / 57600.0; // seconds a byte takes on the line

// Polls the given phase once per iteration (phase 3: the three phases in turn) on map 1;
// range(1) 1 paces the ECU at the line rate, 0 leaves it unpaced; range(2): the ms every reply
// is held back.
void livetick(benchmark::State &state) {
    QTemporaryDir folder;
    setprogramfolder(folder.path());
    test::SimEcu ecu(1);
    const bool paced = state.range(1) == 1;
    const int latency = int(state.range(2));
    ecu.setpacing(paced);
    ecu.setlatency(latency);
    comport = 1;
    if (!ecu.ok() || !openmainport().isEmpty()) {
        state.SkipWithError("no simulated ECU");
        return;
    }
    goonline();
    curmap = 1;
    const int phase = int(state.range(0));
    double worst = 0, total = 0;
    int failed = 0;
    for (auto _ : state) {
        pollphase = uint8_t(phase == 3 ? pollphase : phase);
        const auto start = std::chrono::steady_clock::now();
        failed += getlivedata().outcome != LivePoll::completed;
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        worst = std::max(worst, took.count());
        total += took.count();
        state.SetIterationTime(took.count());
    }
    // The floor: every byte of the tick, both ways, one after the other at the line rate.
    const double floor =
        double(ecu.received().size() + ecu.sentcount()) * bytetime / double(state.iterations());
    gooffline(Offline::windowclosing);
    state.counters["failed"] = failed;
    state.SetLabel((phase == 3 ? "three phases in turn" : "phase " + std::to_string(phase)) +
                   (paced ? "" : ", unpaced") +
                   (latency > 0 ? ", replies " + std::to_string(latency) + " ms late" : ""));
    if (!paced) {
        state.counters["cost_per_byte_us"] =
            total / (floor / bytetime) / double(state.iterations()) * 1e6;
        return;
    }
    state.counters["budget_share"] = total / double(state.iterations()) / tickbudget;
    state.counters["worst_share"] = worst / tickbudget;
    state.counters["line_floor_ratio"] = total / double(state.iterations()) / floor;
}
} // namespace

BENCHMARK(livetick)
    ->Args({0, 1, 0})
    ->Args({1, 1, 0})
    ->Args({2, 1, 0})
    ->Args({3, 1, 0})
    ->Args({3, 0, 0})
    ->Args({3, 1, 1})
    ->Args({3, 1, 16})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(60);

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
