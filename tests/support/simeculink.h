#pragma once
#include <QString>

namespace korvane::test {

// A running simulator's hold on its comN link: an flock on the file "<link>.lock" beside it,
// kept while the claim lives. The system lets it go when the process ends, killed or not, so a
// link into /dev/pts/ whose lock nobody holds was left by a simulator that is gone, whichever
// terminal has taken its number since.
class SimEcuLinkClaim {
  public:
    // Takes the lock and looks at link. Granted when nothing is there, or a link into /dev/pts/
    // (a gone simulator's, which the caller then replaces; note() says so). Anything else is
    // left alone, the lock let go, and note() says why: a running simulator holds the lock, a
    // link elsewhere (to a cable, even one unplugged now), a file, a lock that cannot be taken.
    explicit SimEcuLinkClaim(const QString &link);
    ~SimEcuLinkClaim();
    SimEcuLinkClaim(const SimEcuLinkClaim &) = delete;
    SimEcuLinkClaim &operator=(const SimEcuLinkClaim &) = delete;

    bool granted() const { return lock >= 0; }
    const QString &note() const { return said; }

  private:
    int lock = -1;
    QString said;
};

} // namespace korvane::test
