#pragma once
#include "simecufaults.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>
#include <memory>
#include <vector>

namespace korvane {
struct calimage;
}

namespace korvane::test {

// A simulated ECU on a pseudo-terminal. The program opens the slave side like any serial port,
// through the link programfolder()/comN that the constructor creates; a thread serves the
// command catalogue on the master side. Usable without a test framework (tools/ecusim).
//
// It holds the ECU memory (0x1000-0x1FFF, 0x4000-0x5FFF), the replies to the live queries, the
// stored log and a log of every byte it received, and offers fault knobs.
class SimEcu {
  public:
    // port 0 makes no link; the slave is then reached through slavepath().
    explicit SimEcu(int port = 1);
    ~SimEcu();
    SimEcu(const SimEcu &) = delete;
    SimEcu &operator=(const SimEcu &) = delete;

    bool ok() const; // false when the pseudo-terminal or the link could not be made
    QString error() const;
    QString slavepath() const; // /dev/pts/N
    QString linkpath() const;  // programfolder()/comN, or empty

    // Memory. Addresses outside both blocks read 0 and ignore writes.
    uint8_t memory(int address) const;
    void setmemory(int address, uint8_t value);
    void loadimage(const calimage &image);

    // Replies. A four-byte query ('Z', 'T', 'p'..'w', 'A'+2c, 0x5C+g, 'F' ...) answers its four
    // bytes; a one-byte command ('c', 'd', 'e', 0x60, 'a', 104+m) answers its byte.
    void setquery(uint8_t command, std::array<uint8_t, 4> bytes);
    void setbyte(uint8_t command, uint8_t value);
    void setfirmware(uint8_t value) { setbyte('c', value); }
    void setstoredlog(const std::vector<uint8_t> &log); // 28672 bytes

    // Faults.
    void setsilent(bool silent);                    // receives and logs, answers nothing
    void setwrongreply(int command, uint8_t reply); // first reply byte to command; -1: none
    void stallafter(long bytes);       // answer this many more bytes, then fall silent; -1: never
    void setrefusewrites(bool refuse); // single-setting writes answer 0
    void setrefuseaddress(int address); // writes to this address answer 0; -1: none
    void sendstale(const QByteArray &bytes); // bytes that wait in the program's input now
    void setpacing(bool paced);              // 173.6 us a byte each way, as at 57600 baud
    void setreplyfault(ReplyFault fault);    // a fault of one of the next replies
    // A USB serial adapter's latency timer: every reply reaches the program no sooner than ms
    // after its command byte was read (0: at once). Replies go out one command at a time.
    void setlatency(int ms);
    // The ECU's end of the line goes away, as when the simulator is killed: the master side
    // closes and nothing is served any more; the link stays.
    void hangup();
    // The ECU is switched off and on: its memory stays, a command cut short is forgotten, a
    // stall and held replies end.
    void restart();
    // Stalls after answering this many more replies: commands are still taken in, their
    // replies held back. The stall ends with releasereplies: the held replies go out at once,
    // now, or (atnextbyte) ahead of the answer to the next byte received.
    void holdreplies(long after);
    void releasereplies(bool atnextbyte);

    // What the ECU saw.
    QByteArray received() const;
    // When each received byte was read, in ms on the ECU's clock; it is read before any reply.
    std::vector<double> receivedms() const;
    void clearreceived();
    long sentcount() const; // bytes the ECU has put on the line so far
    // Waits until at least count bytes have been received; false after timeoutms.
    bool waitreceived(int count, int timeoutms) const;
    int selectedmap() const;         // the map trims act on (1..7): the last select or live query
    int selectedrow() const;         // its rpm row; a row copy's source row moves it too
    uint8_t checksum(int map) const; // low byte of the ECU's running sum of map 1..7
    bool downloadaccepted() const;   // the last download head matched the write sequence

  private:
    struct State;
    std::unique_ptr<State> d;
};

} // namespace korvane::test
