#include "platform/workbook.h"

#include "fulldisk.h"

#include "platform/programfolder.h"

#include "tempfolder.h"
#include "xlsxcells.h"

#include <QDir>
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
