#include "platform/programfolder.h"

#include "tempfolder.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

using namespace korvane;

// A file the disk refuses (over the process's file-size limit) keeps neither the files after it
// out of the program folder nor its own name and reason out of the report.
TEST(ProgramFolder, EveryShippedFileIsTriedAndEachFailureNamed) {
    QTemporaryDir shipped;
    const auto put = [&](const char *name, qsizetype size) {
        QFile file(shipped.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(size, 'x'));
    };
    put("a.big", 200000);
    put("b.small", 100);
    put("c.big", 300000);
    test::TempProgramFolder folder(false);

    rlimit previous{};
    getrlimit(RLIMIT_FSIZE, &previous);
    const auto oldsignal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = previous;
    small.rlim_cur = 65536;
    setrlimit(RLIMIT_FSIZE, &small);
    const QString error = prepareprogramfolder(shipped.path());
    setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, oldsignal);

    EXPECT_EQ(QFile(folder.file("b.small")).size(), 100);
    EXPECT_FALSE(QFile::exists(folder.file("a.big")));
    EXPECT_FALSE(QFile::exists(folder.file("c.big")));
    const QStringList lines = error.split('\n');
    ASSERT_EQ(lines.size(), 2) << error.toStdString();
    EXPECT_EQ(lines[0], "Cannot copy a.big into " + folder.path() + ": File too large");
    EXPECT_EQ(lines[1], "Cannot copy c.big into " + folder.path() + ": File too large");
}
