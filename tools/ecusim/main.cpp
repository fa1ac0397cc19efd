// Runs the simulated ECU as a command, so the program can be tried online without an engine.
#include "platform/programfolder.h"
#include "simecu.h"
#include "simeculink.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
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
    if (changed.size() > 16) out << "memory: " << changed.size() << " bytes changed\n";
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

// Removes the simulator's link only while it still leads to its own pseudo-terminal; says what
// it did.
QString removeownlink(const QString &link, const QString &slave) {
    const QFileInfo found(link);
    if (!found.isSymLink())
        return found.exists() ? "left " + link + " alone: it is no longer a link\n"
                              : "removed nothing: the link " + link + " is already gone\n";
    if (found.symLinkTarget() != slave)
        return "left " + link + " alone: it now leads to " + found.symLinkTarget() + "\n";
    QFile own(link);
    if (!own.remove()) return "could not remove the link " + link + ": " + own.errorString() + "\n";
    return "removed the link " + link + "\n";
}
} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const QString folder = korvane::programfolder();
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Runs a simulated Korvane ECU (firmware byte 28) on a pseudo-terminal, linked as COM1:\n" +
        folder +
        "com1 in the program folder, so korvane can go online without an engine.\n"
        "While it runs it holds a lock on com1.lock beside the link. A com1 into /dev/pts/\n"
        "whose lock nobody holds was left by a simulator that was killed, and is replaced,\n"
        "even when another terminal has taken its number since. A com1 whose lock a\n"
        "running simulator holds, a link to any other device, there or not, or a file is\n"
        "left alone, and the simulator does not start. Every change of the ECU memory is\n"
        "printed. Ctrl-C, SIGTERM or SIGHUP stop it; it removes com1 only while the link\n"
        "still leads to its own pseudo-terminal.");
    parser.addHelpOption();
    parser.process(app); // --help prints the above and ends; an unknown option ends with an error
    if (!parser.positionalArguments().isEmpty()) {
        err << "ecusim: takes no arguments\n" << parser.helpText();
        return 2;
    }
    if (!QDir().mkpath(folder)) {
        err << "ecusim: cannot create the program folder " << folder << "\n";
        return 1;
    }
    const QString link = folder + "com1";
    // Held until the end, after the link is removed: while it is held, no other simulator
    // takes this link for a killed one's.
    const korvane::test::SimEcuLinkClaim claim(link);
    if (!claim.granted()) {
        err << "ecusim: " << claim.note() << "\n";
        return 1;
    }
    // Stopped by a signal, the simulator still removes its link: else com1 would lead to the
    // next program that gets the pseudo-terminal.
    std::signal(SIGINT, oninterrupt);
    std::signal(SIGTERM, oninterrupt);
    std::signal(SIGHUP, oninterrupt);

    korvane::test::SimEcu ecu(1);
    if (!ecu.ok()) {
        err << "ecusim: " << ecu.error() << "\n";
        return 1;
    }
    out << claim.note();
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
        << "Its memory starts empty. Start korvane with the same program folder\n"
        << "(" << folder << ") and give the ECU the calibration first:\n"
        << "\"&DOWNLOAD TO ECU\", then \"&Download\" (COM port 1 is the default). Then open\n"
        << "\"&MAPS\" and choose Communications > \"&COM On/Off\" to go online.\n"
        << "Every change of the ECU memory is printed as it happens. Ctrl-C stops the ECU\n"
        << "and removes its link.\n";
    out.flush();

    std::vector<uint8_t> seen(0x6000);
    for (int address = 0; address < int(seen.size()); ++address)
        seen[size_t(address)] = ecu.memory(address);
    while (!interrupted) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        logchanges(ecu, seen, out);
    }
    out << "\nbytes received: " << ecu.received().size() << "\n"
        << removeownlink(ecu.linkpath(), ecu.slavepath());
    return 0;
}
