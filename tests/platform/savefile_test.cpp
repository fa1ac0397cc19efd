#include "platform/savefile.h"

#include "fulldisk.h"
#include "platform/programfolder.h"
#include "tempfolder.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace korvane;

TEST(SaveFile, AFullDiskKeepsTheOldFileLeavesNoPartAndSaysWhy) {
    test::TempProgramFolder folder(false);
    const QString old = folder.file("old.dat");
    ASSERT_EQ(writewholefile(old, "old contents"), "");
    QString error, copyerror;
    {
        test::FullDisk full;
        error = writewholefile(old, "new contents");
        // The start-up copy of the shipped files leaves no cut-off file for later starts.
        copyerror = prepareprogramfolder(test::datadir());
    }
    EXPECT_EQ(error, "Cannot write " + old + ": File too large");
    EXPECT_TRUE(copyerror.contains("File too large")) << copyerror.toStdString();
    QFile file(old);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "old contents");
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"old.dat"});
}
