// Runs the simulated ECU as a command, so the program can be tried online without an engine.
#include "platform/programfolder.h"
#include "simecu.h"

#include <QCoreApplication>
#include <QDir>
#include <QTextStream>

#include <csignal>
#include <thread>

namespace {
volatile std::sig_atomic_t interrupted = 0;
void oninterrupt(int) {
    interrupted = 1;
}
} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const QString folder = korvane::programfolder();
    if (!QDir().mkpath(folder)) {
        err << "ecusim: cannot create the program folder " << folder << "\n";
        return 1;
    }

    korvane::test::SimEcu ecu(1);
    if (!ecu.ok()) {
        err << "ecusim: " << ecu.error() << "\n";
        return 1;
    }
    // Some movement on the live values, so the grid cursor and the gauges have work to do.
    ecu.setquery('T', {120, 0, 12, 128}); // load 120, 3200 rpm
    ecu.setquery('R', {105, 45, 120, 30});
    ecu.setbyte(0x60, 12);
    ecu.setbyte('a', 8);
    for (int m = 1; m <= 7; ++m)
        ecu.setbyte(uint8_t(104 + m), 8);

    out << "Simulated ECU (firmware byte 28) on " << ecu.slavepath() << "\n"
        << "linked as COM1: " << ecu.linkpath() << "\n"
        << "To go online: start korvane with the same program folder (" << folder << "),\n"
        << "COM port 1 is the default; open MAPS and choose Communications > COM On/Off.\n"
        << "Ctrl-C stops the ECU.\n";
    out.flush();

    std::signal(SIGINT, oninterrupt);
    std::signal(SIGTERM, oninterrupt);
    while (!interrupted)
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    out << "\nbytes received: " << ecu.received().size() << "\n";
    return 0;
}
