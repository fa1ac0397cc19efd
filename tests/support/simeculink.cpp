#include "simeculink.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace korvane::test {

namespace {
const char *const leftalone = "; left alone, not started (remove it, or start with another "
                              "XDG_DATA_HOME)";

// Whether the simulator that holds the lock may take link; note says what it replaces, or why
// not. Only a simulator links into /dev/pts/, and none holds this link now.
bool maytake(const QString &link, QString &note) {
    const QFileInfo found(link);
    if (!found.isSymLink()) {
        if (found.exists()) note = link + " is not a link" + leftalone;
        return !found.exists();
    }
    const QString target = found.symLinkTarget();
    if (target.startsWith("/dev/pts/")) {
        note = "replaced the stale link " + link + " (to " + target +
               ", left by a simulator that no longer runs)\n";
        return true;
    }
    note = link + " leads to " + target;
    if (!found.exists()) note += ", which is not there (an unplugged cable?)";
    note += leftalone;
    return false;
}
} // namespace

SimEcuLinkClaim::SimEcuLinkClaim(const QString &link) {
    const QString lockpath = link + ".lock";
    lock = ::open(QFile::encodeName(lockpath).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (lock < 0) {
        said = "cannot open the lock " + lockpath + ": " + qt_error_string(errno);
        return;
    }
    if (::flock(lock, LOCK_EX | LOCK_NB) != 0)
        said = errno == EWOULDBLOCK
                   ? link + " is held by a running simulator (it holds the lock " + lockpath +
                         "); not started (stop that one, or start with another XDG_DATA_HOME)"
                   : "cannot lock " + lockpath + ": " + qt_error_string(errno);
    else if (maytake(link, said))
        return;
    ::close(lock);
    lock = -1;
}

SimEcuLinkClaim::~SimEcuLinkClaim() {
    if (lock >= 0) ::close(lock);
}

} // namespace korvane::test
