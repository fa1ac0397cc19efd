#pragma once
#include <csignal>
#include <sys/resource.h>

namespace korvane::test {

// While it lives, no file of this process grows past limit bytes: a write beyond it fails
// ("File too large") as a write to a full disk does, after the first bytes went in, as when a
// disk fills during the write. SIGXFSZ is ignored meanwhile, so the write only fails; both
// are put back afterwards.
class FullDisk {
  public:
    explicit FullDisk(rlim_t limit = 4) {
        getrlimit(RLIMIT_FSIZE, &saved);
        previous = std::signal(SIGXFSZ, SIG_IGN);
        rlimit full = saved;
        full.rlim_cur = limit;
        setrlimit(RLIMIT_FSIZE, &full);
    }
    ~FullDisk() {
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previous);
    }
    FullDisk(const FullDisk &) = delete;
    FullDisk &operator=(const FullDisk &) = delete;

  private:
    rlimit saved{};
    void (*previous)(int) = nullptr;
};

} // namespace korvane::test
