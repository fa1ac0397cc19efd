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
    ~Simulator() {
        process.terminate();
        process.waitForFinished(10000);
    }

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

// A dangling link to a pseudo-terminal is all a killed simulator leaves; any other com1 is
// someone's, the simulator then leaves it alone and does not start.
TEST(EcusimCommand, OnlyAKilledSimulatorsLinkIsTaken) {
    Simulator live;
    live.start();
    ASSERT_TRUE(live.waitfor("Ctrl-C")) << live.output.toStdString();
    QString gone = "/dev/pts/4000";
    while (QFileInfo::exists(gone))
        gone = "/dev/pts/" + QString::number(gone.mid(9).toInt() + 1);
    ASSERT_FALSE(QFileInfo::exists("/dev/ttyUSB7"));
    struct Row {
        QString target;
        const char *why; // empty: the link is taken
    };
    for (const Row &row :
         {Row{"/dev/ttyUSB7", ", which is not there (an unplugged cable?); left "},
          Row{"/dev/null", " leads to /dev/null; left alone"},
          Row{QFileInfo(live.link).symLinkTarget(), ", a pseudo-terminal still open"},
          Row{gone, ""}}) {
        Simulator sim;
        ASSERT_TRUE(QDir().mkpath(sim.home.path() + "/korvane"));
        ASSERT_TRUE(QFile::link(row.target, sim.link));
        sim.start();
        if (*row.why) {
            ASSERT_TRUE(sim.process.waitForFinished(10000));
            EXPECT_EQ(sim.process.exitCode(), 1) << row.target.toStdString();
            EXPECT_TRUE(sim.process.readAllStandardError().contains(row.why)) << row.why;
            EXPECT_EQ(QFileInfo(sim.link).symLinkTarget(), row.target);
            continue;
        }
        ASSERT_TRUE(sim.waitfor("Ctrl-C")) << sim.output.toStdString();
        EXPECT_TRUE(sim.output.startsWith("replaced the stale link " + sim.link.toUtf8() + " (to " +
                                          gone.toUtf8() + ", which is gone)\n"));
        EXPECT_NE(QFileInfo(sim.link).symLinkTarget(), gone);
        EXPECT_TRUE(QFileInfo(sim.link).symLinkTarget().startsWith("/dev/pts/"));
    }
    EXPECT_TRUE(QFileInfo(live.link).exists()); // no second simulator took it
}
