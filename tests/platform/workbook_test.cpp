#include "platform/workbook.h"

#include "fulldisk.h"

#include "platform/programfolder.h"

#include "tempfolder.h"
#include "xlsxcells.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace korvane;

namespace {

// Records what would have been opened; answers as the desktop would.
struct OpenerSpy {
    QStringList opened;
    bool succeed = true;
    OpenerSpy()
    {
        setworkbookopener([this](const QString &path) {
            opened << path;
            return succeed;
        });
    }
    ~OpenerSpy() { setworkbookopener([](const QString &) { return true; }); }
};

} // namespace

TEST(Workbook, WritesHeaderAndRowsToAFreshFileAndOpensIt)
{
    test::TempProgramFolder folder(false);
    OpenerSpy spy;
    const std::vector<WorkbookRow> rows = {{11950.0, 12.0, QString("late")}, {12750.0, 0.5}};
    const WorkbookResult one = writeworkbook("VCT", {"Rpm", "VCTi1 target"}, rows);
    const WorkbookResult two = writeworkbook("VCT", {"Rpm"}, {});
    ASSERT_EQ(one.outcome, WorkbookResult::opened);
    ASSERT_EQ(two.outcome, WorkbookResult::opened);
    const QString first = one.path, second = two.path;

    EXPECT_NE(first, second); // a second export never overwrites the first
    EXPECT_EQ(spy.opened, QStringList({first, second}));
    EXPECT_TRUE(first.startsWith(folder.path() + "VCT ")) << first.toStdString();
    const QMap<QString, QString> cells = test::xlsxcells(first);
    const QMap<QString, QString> expected = {{"A1", "Rpm"},  {"B1", "VCTi1 target"},
                                             {"A2", "11950"}, {"B2", "12"},
                                             {"C2", "late"},  {"A3", "12750"},
                                             {"B3", "0.5"}};
    EXPECT_EQ(cells, expected);
}

TEST(Workbook, FailuresAreReportedNeverShownAsSuccess)
{
    test::TempProgramFolder folder(false);
    OpenerSpy spy;
    const QString good = folder.path();
    setprogramfolder(good + "missing/");
    EXPECT_EQ(writeworkbook("VCT", {"Rpm"}, {{1.0}}).outcome, WorkbookResult::notwritten);
    EXPECT_TRUE(spy.opened.isEmpty());
    EXPECT_TRUE(QDir(good).entryList(QDir::Files).isEmpty());

    setprogramfolder(good);
    WorkbookResult full;
    {
        test::FullDisk disk(1000);
        full = writeworkbook("VCT", {"Rpm"}, {{1.0}});
    }
    EXPECT_EQ(full.outcome, WorkbookResult::notwritten);
    EXPECT_TRUE(full.error.contains("File too large")) << full.error.toStdString();
    EXPECT_TRUE(QDir(good).entryList(QDir::Files).isEmpty());
    EXPECT_TRUE(spy.opened.isEmpty());

    spy.succeed = false;
    const WorkbookResult unopened = writeworkbook("VCT", {"Rpm"}, {{1.0}});
    EXPECT_EQ(unopened.outcome, WorkbookResult::notopened);
    EXPECT_TRUE(QFile::exists(unopened.path)); // written, only the opening failed
}

// The desktop's launcher starts and then fails when nothing handles .xlsx: only its clean exit
// counts as opened.
TEST(Workbook, OnlyALauncherThatSucceedsOpensIt)
{
    test::TempProgramFolder folder(false);
    setworkbookopener({});
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(folder.path()) + ":" + path);
    QFile launcher(folder.file("xdg-open"));
    const auto install = [&launcher](const QByteArray &exitcode) {
        launcher.open(QIODevice::WriteOnly | QIODevice::Truncate);
        launcher.write("#!/bin/sh\necho \"$1\" > \"$(dirname \"$0\")/launched\"\nexit " + exitcode +
                       "\n");
        launcher.close();
        launcher.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    };
    install("3");
    const WorkbookResult failed = writeworkbook("VCT", {"Rpm"}, {{1.0}});
    install("0");
    const WorkbookResult opened = writeworkbook("VCT", {"Rpm"}, {{1.0}});
    qputenv("PATH", path);
    setworkbookopener([](const QString &) { return true; });

    EXPECT_EQ(failed.outcome, WorkbookResult::notopened);
    EXPECT_EQ(failed.error, "The workbook \"" + QFileInfo(failed.path).fileName() +
                                "\" was written in " + folder.path() +
                                ", but the program could not confirm that it was opened");
    EXPECT_EQ(opened.outcome, WorkbookResult::opened);
    QFile launched(folder.file("launched"));
    ASSERT_TRUE(launched.open(QIODevice::ReadOnly));
    EXPECT_EQ(launched.readAll().trimmed(), QFile::encodeName(opened.path));
}
