#pragma once
#include <QString>
#include <array>
#include <cstdint>

namespace korvane {

// Step of the input tester's run: negative, a reset is pending; 0..999 samples taken;
// 1000, the run is complete and the next good tick writes the analysis.
extern int16_t diagstep;
constexpr int16_t diagreset = -4, diagsamples = 1000;

// The sixteen inputs, in the order of the analysis.
namespace diag {
enum input { tps, ats, cts, ego1, ego2, knock, aux1, aux2, aux3, aux4, aux5, aux6, vss, rpm,
             trig, sync, count };
}
using diaginput = diag::input;

// The counts and averages of one input over a run.
struct inputstat {
    int16_t lowcount = 0, highcount = 0;
    double lowavg = 0, highavg = 0; // exponential averages of the raw byte, per class
    uint8_t lastbyte = 0;           // TRIG and SYNC: the previous capture byte
};

// The statistics of a tester run: readings are classified low or high against each input's
// threshold, then judged by the share of low readings.
class InputTester {
  public:
    // Counts one reading of an input: its reply byte (AUX1..AUX6: the switch byte).
    void classify(diaginput input, uint8_t byte);
    // Clears counts and averages for a new run; the last capture bytes stay.
    void reset();
    // "Analysis results:" and, per input, the shares, averages and the PASS/FAIL verdict, with
    // CR LF line ends. An input with no reading shows "n/a" and fails.
    QString analysis() const;
    bool passes(diaginput input) const;
    const inputstat &stat(diaginput input) const { return stats[input]; }

  private:
    std::array<inputstat, diag::count> stats{};
};

} // namespace korvane
