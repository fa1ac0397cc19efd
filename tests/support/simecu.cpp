#include "simecu.h"

#include "core/calimage.h"
#include "platform/programfolder.h"
#include "simecuprotocol.h"

#include <QFile>
#include <QFileInfo>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <mutex>
#include <thread>

#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <termios.h>
#include <unistd.h>

namespace korvane::test {

namespace {
using clock = std::chrono::steady_clock;
// One byte of 10 bits at 57600 baud.
constexpr auto bytetime = std::chrono::nanoseconds(173611);

// No translation of any byte in either direction: 0x0A, 0x0D, 0x11, 0x13 are data.
void makeraw(int fd) {
    termios tio{};
    if (tcgetattr(fd, &tio) != 0) return;
    cfmakeraw(&tio);
    tio.c_iflag &= ~(IXON | IXOFF | IXANY);
    tio.c_cc[VMIN] = 0;
    tio.c_cc[VTIME] = 0;
    tcsetattr(fd, TCSANOW, &tio);
}
} // namespace

struct SimEcu::State {
    int master = -1;
    int slave = -1; // held open so the master never sees a hang-up between the program's opens
    QString slavepath, linkpath, error;

    mutable std::mutex lock;
    mutable std::condition_variable arrived;
    SimProtocol protocol;
    QByteArray received;
    std::vector<clock::time_point> times; // when each received byte was read
    bool silent = false;
    long budget = -1; // reply bytes still allowed before the stall; -1 = no stall
    long sent = 0;
    bool paced = false;
    std::chrono::milliseconds latency{0};
    ReplyFault fault;
    long replies = 0; // replies since the fault was set
    ReplyHold hold;

    std::mutex writelock; // the thread's replies and sendstale share the master
    std::atomic<bool> stop{false};
    std::thread thread;
    clock::time_point linefree = clock::now();

    // Byte times follow from when the bytes were there to go (start), not from when a sleep
    // happened to end, so the overshoot of one sleep never slows the line.
    void pace(clock::time_point start) {
        linefree = std::max(start, linefree) + bytetime;
        std::this_thread::sleep_until(linefree);
    }

    // Writes all bytes, waiting while the terminal's buffer is full.
    void writeall(const char *data, size_t size) {
        std::lock_guard<std::mutex> guard(writelock);
        while (size > 0 && !stop) {
            const ssize_t n = ::write(master, data, size);
            if (n > 0) {
                data += n;
                size -= size_t(n);
            } else {
                pollfd p{master, POLLOUT, 0};
                ::poll(&p, 1, 20);
            }
        }
    }

    // start: when the command's last byte had arrived on the line.
    void send(const std::vector<uint8_t> &out, clock::time_point start) {
        for (uint8_t byte : out) {
            bool paceit = false;
            std::chrono::milliseconds delay;
            {
                std::lock_guard<std::mutex> guard(lock);
                if (silent || budget == 0) continue;
                if (budget > 0) --budget;
                paceit = paced;
                delay = latency;
                ++sent;
            }
            if (paceit) pace(start);
            // The adapter passes on what reached it once its timer runs out.
            if (delay.count() > 0) std::this_thread::sleep_until(start + delay);
            writeall(reinterpret_cast<const char *>(&byte), 1);
        }
    }

    void run() {
        prctl(PR_SET_TIMERSLACK, 1000UL); // line times want microseconds, not the default 50
        std::vector<uint8_t> out;
        char buffer[256];
        while (!stop) {
            pollfd p{master, POLLIN, 0};
            if (::poll(&p, 1, 20) <= 0) continue;
            const ssize_t n = ::read(master, buffer, sizeof buffer);
            if (n <= 0) {
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
                continue;
            }
            const auto start = clock::now();
            for (ssize_t i = 0; i < n && !stop; ++i) {
                bool paceit;
                {
                    std::lock_guard<std::mutex> guard(lock);
                    paceit = paced;
                }
                if (paceit) pace(start);
                out.clear();
                {
                    std::lock_guard<std::mutex> guard(lock);
                    received.append(buffer[i]);
                    times.push_back(start);
                    protocol.receive(uint8_t(buffer[i]), out);
                    if (!out.empty()) applyfault(fault, replies++, out);
                    hold.apply(out);
                }
                arrived.notify_all();
                send(out, paceit ? linefree : start);
            }
        }
    }
};

SimEcu::SimEcu(int port) : d(std::make_unique<State>()) {
    d->master = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (d->master < 0 || grantpt(d->master) != 0 || unlockpt(d->master) != 0) {
        d->error = QStringLiteral("no pseudo-terminal");
        return;
    }
    d->slavepath = QString::fromLocal8Bit(ptsname(d->master));
    d->slave = ::open(ptsname(d->master), O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (d->slave < 0) {
        d->error = QStringLiteral("cannot open ") + d->slavepath;
        return;
    }
    makeraw(d->master);
    makeraw(d->slave);
    if (port > 0) {
        d->linkpath = programfolder() + QStringLiteral("com%1").arg(port);
        QFile::remove(d->linkpath);
        if (!QFile::link(d->slavepath, d->linkpath)) {
            d->error = QStringLiteral("cannot create the link ") + d->linkpath;
            d->linkpath.clear();
            return;
        }
    }
    d->thread = std::thread([this] { d->run(); });
}

SimEcu::~SimEcu() {
    hangup();
    // Only its own link: another simulator may have taken the name since.
    if (!d->linkpath.isEmpty() && QFileInfo(d->linkpath).symLinkTarget() == d->slavepath)
        QFile::remove(d->linkpath);
    if (d->slave >= 0) ::close(d->slave);
}

void SimEcu::hangup() {
    d->stop = true;
    if (d->thread.joinable()) d->thread.join();
    if (d->master >= 0) ::close(d->master);
    d->master = -1;
}

void SimEcu::restart() {
    std::lock_guard<std::mutex> guard(d->lock);
    d->protocol.restart();
    d->budget = -1;
    d->hold = {};
}

bool SimEcu::ok() const {
    return d->error.isEmpty();
}
QString SimEcu::error() const {
    return d->error;
}
QString SimEcu::slavepath() const {
    return d->slavepath;
}
QString SimEcu::linkpath() const {
    return d->linkpath;
}

uint8_t SimEcu::memory(int address) const {
    std::lock_guard<std::mutex> guard(d->lock);
    return SimProtocol::valid(address) ? d->protocol.mem[address] : 0;
}

void SimEcu::setmemory(int address, uint8_t value) {
    std::lock_guard<std::mutex> guard(d->lock);
    if (!SimProtocol::valid(address)) return;
    d->protocol.mem[address] = value;
    d->protocol.recomputesums();
}

void SimEcu::loadimage(const calimage &image) {
    const std::vector<uint8_t> bytes = ecuorder(image);
    std::lock_guard<std::mutex> guard(d->lock);
    for (int i = 0; i < int(bytes.size()); ++i)
        d->protocol.mem[ecuorderaddress(i)] = bytes[i];
    d->protocol.recomputesums();
}

void SimEcu::setquery(uint8_t command, std::array<uint8_t, 4> bytes) {
    std::lock_guard<std::mutex> guard(d->lock);
    d->protocol.queries[command] = bytes;
}

void SimEcu::setbyte(uint8_t command, uint8_t value) {
    std::lock_guard<std::mutex> guard(d->lock);
    d->protocol.bytes[command] = value;
}

void SimEcu::setstoredlog(const std::vector<uint8_t> &log) {
    std::lock_guard<std::mutex> guard(d->lock);
    d->protocol.storedlog = log;
    d->protocol.storedlog.resize(28672);
}

void SimEcu::setsilent(bool silent) {
    std::lock_guard<std::mutex> guard(d->lock);
    d->silent = silent;
}

void SimEcu::setwrongreply(int command, uint8_t reply) {
    std::lock_guard<std::mutex> guard(d->lock);
    d->protocol.wrongcommand = command;
    d->protocol.wrongvalue = reply;
}

void SimEcu::stallafter(long bytes) {
    std::lock_guard<std::mutex> guard(d->lock);
    d->budget = bytes;
}

void SimEcu::setrefusewrites(bool refuse) {
    std::lock_guard<std::mutex> guard(d->lock);
    d->protocol.refusewrites = refuse;
}

void SimEcu::setrefuseaddress(int address) {
    std::lock_guard<std::mutex> guard(d->lock);
    d->protocol.refuseaddress = address;
}

void SimEcu::sendstale(const QByteArray &bytes) {
    d->writeall(bytes.constData(), size_t(bytes.size()));
}

void SimEcu::setpacing(bool paced) {
    std::lock_guard<std::mutex> guard(d->lock);
    d->paced = paced;
}

void SimEcu::setlatency(int ms) {
    std::lock_guard<std::mutex> guard(d->lock);
    d->latency = std::chrono::milliseconds(ms);
}

void SimEcu::setreplyfault(ReplyFault fault) {
    std::lock_guard<std::mutex> guard(d->lock);
    d->fault = std::move(fault);
    d->replies = 0;
}

void SimEcu::holdreplies(long after) {
    std::lock_guard<std::mutex> guard(d->lock);
    d->hold.after = after;
}

void SimEcu::releasereplies(bool atnextbyte) {
    std::vector<uint8_t> late;
    {
        std::lock_guard<std::mutex> guard(d->lock);
        d->hold.after = -1;
        d->hold.releasenext = atnextbyte;
        if (!atnextbyte) late.swap(d->hold.held);
    }
    d->send(late, clock::now());
}

QByteArray SimEcu::received() const {
    std::lock_guard<std::mutex> guard(d->lock);
    return d->received;
}

long SimEcu::sentcount() const {
    std::lock_guard<std::mutex> guard(d->lock);
    return d->sent;
}

std::vector<double> SimEcu::receivedms() const {
    std::lock_guard<std::mutex> guard(d->lock);
    std::vector<double> ms;
    for (const clock::time_point t : d->times)
        ms.push_back(std::chrono::duration<double, std::milli>(t.time_since_epoch()).count());
    return ms;
}

void SimEcu::clearreceived() {
    std::lock_guard<std::mutex> guard(d->lock);
    d->received.clear();
    d->times.clear();
}

bool SimEcu::waitreceived(int count, int timeoutms) const {
    std::unique_lock<std::mutex> guard(d->lock);
    return d->arrived.wait_for(guard, std::chrono::milliseconds(timeoutms),
                               [&] { return d->received.size() >= count; });
}

int SimEcu::selectedmap() const {
    std::lock_guard<std::mutex> guard(d->lock);
    return d->protocol.selmap;
}

int SimEcu::selectedrow() const {
    std::lock_guard<std::mutex> guard(d->lock);
    return d->protocol.selrow;
}

uint8_t SimEcu::checksum(int map) const {
    std::lock_guard<std::mutex> guard(d->lock);
    return map >= 1 && map <= 7 ? uint8_t(d->protocol.sums[map - 1] & 255) : 0;
}

bool SimEcu::downloadaccepted() const {
    std::lock_guard<std::mutex> guard(d->lock);
    return d->protocol.headok;
}

} // namespace korvane::test
