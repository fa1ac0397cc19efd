// Each export of a full log table (27168 rows of 16 channels) must take under a second.
#include "core/names.h"
#include "logging/exports.h"
#include "logging/frmlogtexts.h"
#include "platform/loggrid.h"
#include "platform/programfolder.h"
#include "platform/workbook.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTime>

#include <benchmark/benchmark.h>
#include <chrono>

using namespace korvane;

namespace {
// A PC log sampled at 20 a second from 10:00:00, every row full.
void filltable(LogTable &table) {
    initnames();
    table.resize(27169, 17);
    table.settext(0, 0, "timestamp");
    for (int c = 1; c < 17; ++c)
        table.settext(0, c, channame[c - 1]);
    for (int row = 2; row < table.rows(); ++row) {
        table.settext(row, 0, logtimetext(QTime(10, 0).addMSecs(row * 50)));
        for (int ch = 0; ch < 16; ++ch)
            table.settext(row, ch + 1, channeltext(ch, uint8_t(row + ch)));
    }
}

// range(0): 0 text, 1 CSV, 2 workbook.
void exportfull(benchmark::State &state) {
    QTemporaryDir folder;
    setprogramfolder(folder.path());
    setworkbookopener([](const QString &) { return true; });
    LogTable table;
    filltable(table);
    const int kind = int(state.range(0));
    int failed = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        bool written;
        if (kind == 0)
            written = exporttext(table, folder.filePath("log.txt"), {}).isEmpty();
        else if (kind == 1)
            written = exportcsv(table, folder.filePath("log.csv"), {}).isEmpty();
        else
            written = exportworkbook(table, {}).outcome != WorkbookResult::notwritten;
        failed += !written;
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        state.SetIterationTime(took.count());
    }
    state.counters["failed"] = failed;
    state.SetLabel(kind == 0 ? "text" : kind == 1 ? "csv" : "xlsx");
}
} // namespace

BENCHMARK(exportfull)
    ->Arg(0)
    ->Arg(1)
    ->Arg(2)
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
