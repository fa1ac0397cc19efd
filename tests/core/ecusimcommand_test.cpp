// The simulated ECU as a person runs it: its use, and the life of its com1 link.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>

namespace {

struct Simulator {
    QTemporaryDir home;
    QString link = home.path() + "/korvane/com1";
    QProcess process;
    QByteArray output;

    void start(const QStringList &arguments = {}) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_DATA_HOME", home.path());
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

TEST(EcusimCommand, AStaleLinkIsReplacedAndItsOwnRemovedWhenStopped) {
    for (int signal : {SIGTERM, SIGINT, SIGHUP}) {
        Simulator sim;
        ASSERT_TRUE(QDir().mkpath(sim.home.path() + "/korvane"));
        ASSERT_TRUE(QFile::link(sim.home.path() + "/gone", sim.link)); // a killed simulator's
        sim.start();
        ASSERT_TRUE(sim.waitfor("Ctrl-C")) << sim.output.toStdString();
        EXPECT_TRUE(sim.output.startsWith("replaced the stale link " + sim.link.toUtf8()));
        EXPECT_TRUE(QFileInfo(sim.link).symLinkTarget().startsWith("/dev/pts/"));

        ::kill(pid_t(sim.process.processId()), signal);
        ASSERT_TRUE(sim.process.waitForFinished(10000));
        sim.output += sim.process.readAll();
        EXPECT_EQ(sim.process.exitStatus(), QProcess::NormalExit) << signal;
        EXPECT_TRUE(sim.output.endsWith("removed the link " + sim.link.toUtf8() + "\n"));
        EXPECT_FALSE(QFileInfo(sim.link).isSymLink()) << signal;
    }
}

TEST(EcusimCommand, ALinkToAnotherDeviceIsLeftAndNoEcuStarts) {
    Simulator sim;
    ASSERT_TRUE(QDir().mkpath(sim.home.path() + "/korvane"));
    ASSERT_TRUE(QFile::link("/dev/null", sim.link)); // as if it led to the user's cable
    sim.start();
    ASSERT_TRUE(sim.process.waitForFinished(10000));
    EXPECT_EQ(sim.process.exitCode(), 1);
    EXPECT_EQ(QFileInfo(sim.link).symLinkTarget(), "/dev/null");
}
