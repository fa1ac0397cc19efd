// A whole download and upload against the simulated ECU. Paced at 57600 baud each prints its
// time as a ratio of its floor: every byte both ways at the line rate plus the pauses the ECU
// needs. Unpaced it prints what the program itself costs per byte exchanged. With a reply
// latency (a USB adapter's timer: 1 ms asked for low latency, 16 ms by default) the same ratio
// shows what a real cable costs.
#include "core/buildprofile.h"
#include "core/calimage.h"
#include "core/download.h"
#include "core/linecheck.h"
#include "core/prefs.h"
#include "core/timing.h"
#include "core/transferport.h"
#include "core/upload.h"
#include "platform/programfolder.h"
#include "platform/serialport.h"
#include "simecu.h"

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <chrono>
#include <random>

using namespace korvane;

namespace {
constexpr double bytetime = 10 / 57600.0; // seconds a byte takes on the line

// The pauses each transfer makes whatever the line does, in seconds.
const double downloadpauses =
    (128 * pauseP1 + pauseP2 + pauseP3 + pauseP4 + 3 * pauseP2 + pauseP4) * 1e-6;
const double uploadpauses = (20001 + 10000 + 1000) * 1e-6;

void randomise(calimage &image) {
    std::mt19937 rng(5);
    for (int i = 0; i < imagebytes; ++i)
        setimagebyte(image, ecuorderaddress(i), uint8_t(rng() % 100));
}

// range(0): 0 download, 1 upload; range(1): 1 paced at the line rate, 0 unpaced; range(2): the
// ms every reply is held back.
void transfer(benchmark::State &state) {
    QTemporaryDir folder;
    setprogramfolder(folder.path());
    setbuildprofile();
    inittables();
    test::SimEcu ecu(1);
    const bool upload = state.range(0) == 1, paced = state.range(1) == 1;
    const int latency = int(state.range(2));
    comport = 1;
    randomise(curimage);
    ecu.loadimage(curimage);
    ecu.setpacing(paced);
    ecu.setlatency(latency);
    if (!ecu.ok()) {
        state.SkipWithError("no simulated ECU");
        return;
    }
    SerialPort port;
    const TransferView quiet;
    double total = 0;
    int failed = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        if (upload)
            failed += !uploadecu(port, false, quiet).isEmpty();
        else
            failed += downloadecu(port, quiet) != DownloadEnd::complete;
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        total += took.count();
        state.SetIterationTime(took.count());
    }
    const double runs = double(state.iterations());
    const double bytes = double(ecu.received().size() + ecu.sentcount()) / runs;
    const double pauses = upload ? uploadpauses : downloadpauses;
    const double mean = total / runs;
    if (paced)
        state.counters["floor_ratio"] = mean / (bytes * bytetime + pauses);
    else
        state.counters["cost_per_byte_us"] = (mean - pauses) / bytes * 1e6;
    state.counters["failed"] = failed;
    state.SetLabel(std::string(upload ? "upload" : "download") + (paced ? ", paced" : ", unpaced") +
                   (latency > 0 ? ", replies " + std::to_string(latency) + " ms late" : ""));
}
} // namespace

BENCHMARK(transfer)
    ->Args({0, 1, 0})
    ->Args({1, 1, 0})
    ->Args({0, 0, 0})
    ->Args({1, 0, 0})
    ->Args({0, 1, 1})
    ->Args({1, 1, 1})
    ->Args({0, 1, 16})
    ->Args({1, 1, 16})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
