#include "simecufaults.h"

namespace korvane::test {

void applyfault(const ReplyFault &fault, long index, std::vector<uint8_t> &out) {
    if (index != fault.reply || out.empty()) return;
    if (fault.silent) {
        out.clear();
        return;
    }
    if (fault.first >= 0) out[0] = uint8_t(fault.first);
    if (fault.badlast) out.back() = uint8_t(out.back() + 1);
    if (fault.lose >= 0 && fault.lose < long(out.size())) out.erase(out.begin() + fault.lose);
    out.insert(out.begin() + 1, fault.insert.begin(), fault.insert.end());
    out.insert(out.end(), fault.append.begin(), fault.append.end());
}

void ReplyHold::apply(std::vector<uint8_t> &out) {
    if (after == 0) {
        held.insert(held.end(), out.begin(), out.end());
        out.clear();
        return;
    }
    if (after > 0 && !out.empty()) --after;
    if (!releasenext) return;
    out.insert(out.begin(), held.begin(), held.end());
    held.clear();
    releasenext = false;
}

} // namespace korvane::test
