// The simulated ECU as a person runs it: its use, and the life of its com1 link.
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>

namespace {

struct Simulator {
    QTemporaryDir own;
    QString home; // its XDG_DATA_HOME: its own, or the one a running simulator has
    QString link = home + "/korvane/com1";
    explicit Simulator(const QString &shared = {}) : home(shared.isEmpty() ? own.path() : shared) {}
    QProcess process;
    QByteArray output;
    ~Simulator() {
        process.terminate();
        process.waitForFinished(10000);
    }

    void start(const QStringList &arguments = {}) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_DATA_HOME", home);
        process.setProcessEnvironment(environment);
        process.start(KORVANE_ECUSIM, arguments);
    }
    // Waits until the output holds text, or the simulator ends.
    bool waitfor(const char *text) {
        while (!output.contains(text) && process.waitForReadyRead(10000))
            output += process.readAll();
        return output.contains(text);
    }
};

} // namespace

TEST(EcusimCommand, HelpPrintsItsUseAndStartsNoEcu) {
    Simulator sim;
    sim.start({"--help"});
    ASSERT_TRUE(sim.process.waitForFinished(10000));
    EXPECT_EQ(sim.process.exitCode(), 0);
    const QByteArray use = sim.process.readAll();
    EXPECT_TRUE(use.startsWith("Usage: ") && use.contains("ecusim [options]\n")) << use.data();
    EXPECT_FALSE(QFileInfo(sim.link).isSymLink());
}

// Stopped by a signal, the simulator removes com1 only while it still leads to its own terminal.
TEST(EcusimCommand, ItsOwnLinkIsRemovedWhenStoppedAndNoOtherOne) {
    struct Row {
        int signal;
        const char *linkthen; // put at com1 while it runs: nullptr none, "" no link
        const char *said;     // its last line, %1 the link
    };
    for (const Row &row : {Row{SIGTERM, nullptr, "removed the link %1\n"},
                           Row{SIGINT, "/dev/null", "left %1 alone: it now leads to /dev/null\n"},
                           Row{SIGHUP, "", "removed nothing: the link %1 is already gone\n"}}) {
        Simulator sim;
        sim.start();
        ASSERT_TRUE(sim.waitfor("Ctrl-C")) << sim.output.toStdString();
        if (row.linkthen) {
            ASSERT_TRUE(QFile::remove(sim.link));
            if (*row.linkthen) {
                ASSERT_TRUE(QFile::link(row.linkthen, sim.link));
            }
        }

        ::kill(pid_t(sim.process.processId()), row.signal);
        ASSERT_TRUE(sim.process.waitForFinished(10000));
        sim.output += sim.process.readAll();
        EXPECT_EQ(sim.process.exitStatus(), QProcess::NormalExit) << row.signal;
        EXPECT_TRUE(sim.output.endsWith(QString(row.said).arg(sim.link).toUtf8()))
            << sim.output.toStdString();
        EXPECT_EQ(QFileInfo(sim.link).symLinkTarget(), row.linkthen ? row.linkthen : "");
    }
}

// One beside a running simulator does not start; once that one is killed outright (its lock
// goes with it), the next takes over the link it left.
TEST(EcusimCommand, ARunningSimulatorsLinkIsKeptAKilledOnesTaken) {
    Simulator first;
    first.start();
    ASSERT_TRUE(first.waitfor("Ctrl-C")) << first.output.toStdString();
    Simulator next(first.home);
    next.start();
    ASSERT_TRUE(next.process.waitForFinished(10000));
    EXPECT_EQ(next.process.exitCode(), 1);
    EXPECT_TRUE(next.process.readAllStandardError().startsWith("ecusim: " + next.link.toUtf8() +
                                                               " is held by a running simulator"));

    ::kill(pid_t(first.process.processId()), SIGKILL);
    ASSERT_TRUE(first.process.waitForFinished(10000));
    const QString dead = QFileInfo(first.link).symLinkTarget();
    next.start();
    ASSERT_TRUE(next.waitfor("Ctrl-C")) << next.output.toStdString();
    EXPECT_TRUE(next.output.startsWith("replaced the stale link " + next.link.toUtf8() + " (to " +
                                       dead.toUtf8()));
}
