// Which com1 the simulator takes for a killed simulator's link.
#include "simeculink.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <optional>

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

using korvane::test::SimEcuLinkClaim;

// Only a link into /dev/pts/ whose lock no running simulator holds is taken, even when the
// terminal it leads to is open (another program got the killed simulator's number); the link
// itself stays for the simulator to replace.
TEST(SimEcuLinkClaim, TakesOnlyALinkNoRunningSimulatorHolds) {
    QTemporaryDir folder;
    const QString link = folder.path() + "/com1";
    const int reused = ::posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_GE(reused, 0);
    const QString reusedpath = ::ptsname(reused);
    struct Row {
        QString target;   // empty: a file
        bool running;     // a simulator holds the lock
        const char *said; // %1 the link, %2 the target; "replaced" when it is taken
    };
    for (const Row &row : {
             Row{reusedpath, false, "replaced the stale link %1 (to %2, left by a simulator"},
             Row{reusedpath, true, "%1 is held by a running simulator (it holds the lock %1.lock)"},
             Row{"/dev/null", false, "%1 leads to /dev/null; left alone, not started"},
             Row{"/dev/ttyUSB7", false,
                 "%1 leads to /dev/ttyUSB7, which is not there (an unplugged"},
             Row{"", false, "%1 is not a link; left alone"},
         }) {
        QFile::remove(link);
        QFile file(link);
        ASSERT_TRUE(row.target.isEmpty() ? file.open(QIODevice::WriteOnly)
                                         : QFile::link(row.target, link));
        std::optional<SimEcuLinkClaim> running;
        if (row.running) running.emplace(link);

        const SimEcuLinkClaim claim(link);
        EXPECT_EQ(claim.granted(), QString(row.said).startsWith("replaced")) << row.said;
        EXPECT_TRUE(claim.note().startsWith(QString(row.said).arg(link, row.target)))
            << claim.note().toStdString();
        EXPECT_EQ(QFileInfo(link).symLinkTarget(), row.target);
    }
    ::close(reused);
}
