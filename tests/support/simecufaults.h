#pragma once
#include <cstdint>
#include <vector>

namespace korvane::test {

// A fault of one reply of the simulated ECU. Replies are counted from the first one after the
// fault is set, from 0; each command's whole answer is one reply (an upload's prompt, data and
// sum too). In a download, reply 0 answers 'B', 1 answers 'V', 2 + 2n the prompt of line n and
// 3 + 2n the end of line n.
struct ReplyFault {
    long reply = -1;             // which reply; -1: none
    bool silent = false;         // send nothing
    int first = -1;              // 0..255: the first byte becomes this
    std::vector<uint8_t> insert; // bytes put in after the first byte
    bool badlast = false;        // the last byte is one more than it should be (a wrong sum)
    std::vector<uint8_t> append; // bytes sent after the last byte
    long lose = -1;              // the byte at this index of the reply is lost on the line
};

// Applies fault to reply number index, whose bytes are in out.
void applyfault(const ReplyFault &fault, long index, std::vector<uint8_t> &out);

// A stalled ECU: it takes in every command but answers late, all the held replies at once.
struct ReplyHold {
    long after = -1;          // replies still answered on time before the stall; -1: none
    bool releasenext = false; // the held replies go out with the answer to the next byte
    std::vector<uint8_t> held;

    // Takes the reply to one received byte: holds it while stalled, or sends the held replies
    // ahead of it when they are due.
    void apply(std::vector<uint8_t> &out);
};

} // namespace korvane::test
