#include "platform/savefile.h"

#include "fulldisk.h"
#include "platform/programfolder.h"
#include "tempfolder.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include <cerrno>
#include <sys/stat.h>

using namespace korvane;

namespace {
QString watched;   // the file whose contents each sync notes
QStringList syncs; // each sync: what it synced ("file" or "folder") and what watched then held
int syncerror = 0; // the errno every sync fails with; 0: they succeed

int notingsync(int fd) {
    struct stat synced {};
    fstat(fd, &synced);
    QFile file(watched);
    file.open(QIODevice::ReadOnly);
    syncs << (S_ISDIR(synced.st_mode) ? "folder: " : "file: ") + file.readAll();
    errno = syncerror;
    return syncerror ? -1 : 0;
}
} // namespace

// A disk that takes the bytes and then fails to keep them (a network drive, a quota, pulled
// media) fails the save before the old file is replaced.
TEST(SaveFile, TheNewFileIsOnTheDiskBeforeItReplacesTheOldOne) {
    test::TempProgramFolder folder(false);
    watched = folder.file("old.dat");
    ASSERT_EQ(writewholefile(watched, "old contents"), "");
    setfilesync(notingsync);
    EXPECT_EQ(writewholefile(watched, "new contents"), "");
    syncerror = EIO;
    const QString failed = writewholefile(watched, "lost contents");
    syncerror = 0;
    setfilesync(nullptr);

    EXPECT_EQ(failed, "Cannot write " + watched + ": Input/output error");
    EXPECT_EQ(syncs,
              QStringList({"file: old contents", "folder: new contents", "file: new contents"}));
    QFile file(watched);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "new contents");
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"old.dat"});
}

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

namespace {
QString syncedfolder;
int foldernotingsync(int fd) {
    const QFileInfo synced(QFileInfo(QString("/proc/self/fd/%1").arg(fd)).symLinkTarget());
    if (synced.isDir()) syncedfolder = synced.filePath();
    return 0;
}
} // namespace

// Saved through a link, the file the link leads to is replaced, and its folder's entry is the
// one put on the disk. Links that lead round in a loop are refused, not replaced by a file.
TEST(SaveFile, ThroughALinkTheFileItLeadsToIsReplacedAndALoopRefused) {
    test::TempProgramFolder folder(false);
    const QString target = QDir(folder.path()).canonicalPath() + "/maps/map.s20";
    const QString link = folder.file("map.s20");
    ASSERT_TRUE(QDir(folder.path()).mkdir("maps") && QFile::link(target, link));
    setfilesync(foldernotingsync);
    EXPECT_EQ(writewholefile(link, "new contents"), "");
    setfilesync(nullptr);
    EXPECT_EQ(syncedfolder + "/map.s20", target);
    EXPECT_EQ(QFileInfo(link).symLinkTarget(), target);
    QFile file(target);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "new contents");

    const QString loop = folder.file("loop.s20"), back = folder.file("back.s20");
    ASSERT_TRUE(QFile::link(back, loop) && QFile::link(loop, back));
    EXPECT_EQ(writewholefile(loop, "lost contents"),
              "Cannot write " + loop + ": Too many levels of symbolic links");
    EXPECT_EQ(QFileInfo(loop).symLinkTarget(), back);
}
