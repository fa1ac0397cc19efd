// Runs the simulated ECU as a command, so the program can be tried online without an engine.
#include "platform/programfolder.h"
#include "simecu.h"

#include <QCoreApplication>
#include <QDir>
#include <QTextStream>

#include <csignal>
#include <thread>
#include <vector>

namespace {
volatile std::sig_atomic_t interrupted = 0;
void oninterrupt(int) {
    interrupted = 1;
}

// Where a byte of ECU memory sits in the main maps, for the change log; empty elsewhere.
QString mainmapcell(int address) {
    if (address >= 0x4000 && address < 0x4800) {
        const int offset = address - 0x4000;
        return QStringLiteral(" (map 1 rpm row %1 load %2)").arg(offset / 64).arg(offset % 64 / 2);
    }
    if (address >= 0x4800 && address < 0x6000) {
        const int offset = address - 0x4800;
        return QStringLiteral(" (map %1 rpm row %2 load %3)")
            .arg(2 + offset / 0x400)
            .arg(offset % 0x400 / 32)
            .arg(offset % 32);
    }
    return {};
}

// Prints the bytes of ECU memory that differ from seen, and takes them into seen: so a person
// can check which cell a trim or a write reached. A download changes thousands: one line then.
void logchanges(const korvane::test::SimEcu &ecu, std::vector<uint8_t> &seen, QTextStream &out) {
    std::vector<std::pair<int, uint8_t>> changed;
    for (int address = 0; address < int(seen.size()); ++address)
        if (const uint8_t now = ecu.memory(address); now != seen[size_t(address)])
            changed.push_back({address, now});
    if (changed.size() > 16)
        out << "memory: " << changed.size() << " bytes changed\n";
    for (auto [address, now] : changed) {
        if (changed.size() <= 16)
            out << QStringLiteral("memory 0x%1: %2 -> %3")
                       .arg(address, 4, 16, QChar('0'))
                       .arg(seen[size_t(address)])
                       .arg(now)
                << mainmapcell(address) << "\n";
        seen[size_t(address)] = now;
    }
    out.flush();
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
    // The logger's four channel groups tell the same engine as the live poll: coolant 85,
    // AFR 14.7, 3200 rpm, throttle 12 %, air 25, cell 8/12, 3.2 ms, 246 mmHg.
    ecu.setquery(0x5C, {105, 147, 64, 30});
    ecu.setquery(0x5D, {0, 0, 0, 45});
    ecu.setquery(0x5E, {0, 0, 0, 8});
    ecu.setquery(0x5F, {12, 10, 82, 0});

    // A password-protected setting, to try how a refused write is handled.
    if (const QByteArray refuse = qgetenv("ECUSIM_REFUSE"); !refuse.isEmpty()) {
        ecu.setrefuseaddress(refuse.toInt(nullptr, 0));
        out << "Writes to " << refuse << " are refused (ECUSIM_REFUSE)\n";
    }
    out << "Simulated ECU (firmware byte 28) on " << ecu.slavepath() << "\n"
        << "linked as COM1: " << ecu.linkpath() << "\n"
        << "To go online: start korvane with the same program folder (" << folder << "),\n"
        << "COM port 1 is the default; open MAPS and choose Communications > COM On/Off.\n"
        << "Every change of the ECU memory is printed as it happens. Ctrl-C stops the ECU.\n";
    out.flush();

    std::signal(SIGINT, oninterrupt);
    std::signal(SIGTERM, oninterrupt);
    std::vector<uint8_t> seen(0x6000);
    for (int address = 0; address < int(seen.size()); ++address)
        seen[size_t(address)] = ecu.memory(address);
    while (!interrupted) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        logchanges(ecu, seen, out);
    }
    out << "\nbytes received: " << ecu.received().size() << "\n";
    return 0;
}
