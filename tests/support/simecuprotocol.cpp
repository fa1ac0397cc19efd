#include "simecuprotocol.h"

#include "core/commands.h"
#include "core/linecheck.h"

#include <algorithm>

namespace korvane::test {

namespace {
constexpr int headbytes = 128, tailbytes = 64, linebytes = 16;

bool ismainmapselect(uint8_t b) {
    return b >= cmd::selectmap(1) && b <= cmd::selectmap(7);
}
} // namespace

SimProtocol::SimProtocol() : storedlog(28672, 0) {
    bytes[cmd::version] = 28;
    for (int c = 0; c < 8; ++c)
        queries[cmd::queryltt(c)] = {128, 128, 128, 128};
}

bool SimProtocol::valid(int address) {
    return (address >= 0x1000 && address <= 0x1FFF) || (address >= 0x4000 && address <= 0x5FFF);
}

int SimProtocol::rowaddress(int map, int row) {
    return map == 1 ? 0x4000 + 64 * row : 0x4800 + 0x400 * (map - 2) + 32 * row;
}

void SimProtocol::restart() {
    following = 0;
    downloading = afrhalf = wronged = false;
    selecting = 0;
    collected.clear();
}

void SimProtocol::recomputesums() {
    for (int m = 1; m <= 7; ++m) {
        const int bytesperrow = m == 1 ? 64 : 32;
        int32_t sum = 0;
        for (int i = 0; i < 32 * bytesperrow; ++i)
            sum += mem[rowaddress(m, 0) + i];
        sums[m - 1] = sum;
    }
}

void SimProtocol::reply(uint8_t command, uint8_t byte, std::vector<uint8_t> &out) {
    if (command == wrongcommand && command == lastcommand) {
        byte = wrongvalue;
        lastcommand = 0; // only the first reply byte of the command is wrong
        wronged = true;
    }
    out.push_back(byte);
}

void SimProtocol::receive(uint8_t byte, std::vector<uint8_t> &out) {
    if (following == 0) {
        start(byte, out);
        return;
    }
    --following;
    collected.push_back(byte);
    follow(byte, out);
}

int SimProtocol::length(uint8_t c) const {
    if (c == cmd::writeopen) return 3 + tailbytes; // address high, low, value, tail
    if (c == cmd::downloadstart) return headbytes;
    if (c == cmd::downloadline && downloading) return 2 + linebytes;
    if (c == cmd::monitoraddress) return 2;
    if (c < 32) return 1; // a row: then a copy direction, or the confirm of a map select
    return 0;             // the select byte 104 + m stands alone: it is the live rpm query too
}

void SimProtocol::start(uint8_t byte, std::vector<uint8_t> &out) {
    previous = current;
    current = byte;
    collected.clear();
    wronged = false;
    command(byte, out);
    following = wronged ? 0 : length(byte); // an ECU that answered wrongly did not start it
    if (wronged) downloading = false;
}

void SimProtocol::follow(uint8_t byte, std::vector<uint8_t> &out) {
    const int n = int(collected.size());
    if (current < 32) {
        followrow(byte, out);
    } else if (current == cmd::writeopen) {
        if (following == 0) finishwrite(out);
    } else if (current == cmd::downloadstart) {
        if (following == 0) {
            headok = std::equal(collected.begin(), collected.end(), writeseqvalues);
            downloading = true;
        }
    } else if (current == cmd::downloadline) {
        followline(byte, out);
    } else if (current == cmd::monitoraddress) {
        out.push_back(n == 1 ? cmd::monitorack2 : cmd::monitorack3);
        if (n == 2) monitor = collected[0] << 8 | collected[1];
    }
}

// The byte after a row decides what the row was: the confirm of the map select it followed,
// or a copy direction. Anything else is the next command.
void SimProtocol::followrow(uint8_t byte, std::vector<uint8_t> &out) {
    if (selecting && byte == cmd::confirmmap(selecting)) {
        selmap = selecting;
        selrow = pendingrow;
        lastcommand = byte;
        reply(byte, uint8_t((rowaddress(selmap, selrow) >> 8) + 5), out);
        return;
    }
    for (int m = 1; m <= 7; ++m)
        if (byte == cmd::rowcopyup(m) || byte == cmd::rowcopydown(m)) {
            lastcommand = byte;
            copyrow(m, byte == cmd::rowcopyup(m), out);
            return;
        }
    start(byte, out);
}

void SimProtocol::followline(uint8_t byte, std::vector<uint8_t> &out) {
    const int n = int(collected.size());
    if (n < 2) return;
    if (n == 2) {
        address = collected[0] << 8 | collected[1];
        // The closing 'f' of a download is followed by zeros: address 0 ends the download,
        // and one more zero follows.
        if (address == 0) {
            downloading = false;
            following = 1;
        }
    } else if (address == 0) {
        if (byte != 0) start(byte, out);
    } else if (following == 0) {
        if (headok)
            for (int i = 0; i < linebytes; ++i)
                if (valid(address + i)) mem[address + i] = collected[2 + i];
        out.push_back(cmd::lineprompt);
        if (address == 0x5FF0) recomputesums();
    }
}

void SimProtocol::command(uint8_t byte, std::vector<uint8_t> &out) {
    lastcommand = byte;
    if (downloading && byte != cmd::downloadprompt && byte != cmd::downloadline)
        downloading = false;

    if (byte >= cmd::trim) {
        trimcell(byte, out);
    } else if (byte < 32) { // a row copy starts with the source row; a map select sends one too
        // Whatever follows, the ECU takes the row as its own: a trim after a row copy acts on
        // the copy's source row until a select or a live rpm query moves it.
        pendingrow = byte;
        selrow = byte;
        selecting = ismainmapselect(previous) ? previous - cmd::selectmap(0) : 0;
        reply(byte, uint8_t(byte + cmd::rowecho), out);
    } else if (byte == cmd::writeopen) {
        reply(byte, cmd::writeopened, out);
    } else if (byte == cmd::downloadstart) {
        reply(byte, cmd::downloadstart, out);
    } else if (byte == cmd::downloadprompt && downloading) {
        reply(byte, headok ? cmd::downloadready : 0, out);
    } else if (byte == cmd::downloadline && downloading) {
        reply(byte, cmd::lineprompt, out);
    } else if (byte == cmd::upload || byte == cmd::bootupload) {
        sendupload(out);
    } else if (byte == cmd::storedlog) {
        uint8_t sum = 0;
        for (uint8_t b : storedlog) {
            out.push_back(b);
            sum = uint8_t(sum + b);
        }
        out.push_back(sum);
    } else if (byte == cmd::afrstep) {
        reply(byte, afrhalf ? cmd::afrstep2 : cmd::afrstep1, out);
        afrhalf = !afrhalf;
    } else if (byte == cmd::clearltt) {
        for (int c = 0; c < 8; ++c)
            queries[cmd::queryltt(c)] = {128, 128, 128, 128};
    } else if (byte == cmd::monitoraddress) {
        reply(byte, cmd::monitorack1, out);
    } else if (byte == cmd::monitorread) {
        reply(byte, valid(monitor) ? mem[monitor] : 0, out);
    } else if (ismainmapselect(byte)) {
        // The live rpm row of the map, which the ECU trims from now on; when a row and the
        // confirmation follow, the first step of a map select, which then sets the row.
        selmap = byte - cmd::selectmap(0);
        selrow = std::min<int>(bytes[byte], 31);
        reply(byte, bytes[byte], out);
    } else if (byte == cmd::version || byte == cmd::knockplot || byte == cmd::knockspark ||
               byte == cmd::liveloadrow || byte == cmd::liverpmheld) {
        reply(byte, bytes[byte], out);
    } else {
        static constexpr uint8_t fourbyte[] = {
            cmd::queryswitches,  cmd::querytimers,     cmd::querytemps,     cmd::queryengine,
            cmd::queryoxygen,    cmd::queryclosedloop, cmd::queryinjection, cmd::queryadvance,
            cmd::querypwm9and10, cmd::querypwm11,      cmd::querycam,       cmd::signature};
        const bool table = byte >= cmd::querytables(8) && byte <= cmd::querytables(39);
        const bool ltt = byte >= 'A' && byte <= 'O' && (byte - 'A') % 2 == 0;
        const bool log = byte >= cmd::querylog(0) && byte <= cmd::querylog(3);
        if (table || ltt || log ||
            std::find(std::begin(fourbyte), std::end(fourbyte), byte) != std::end(fourbyte)) {
            reply(byte, queries[byte][0], out);
            for (int i = 1; i < 4; ++i)
                out.push_back(queries[byte][i]);
        }
        // Anything else is no command of this ECU: no reply.
    }
}

void SimProtocol::finishwrite(std::vector<uint8_t> &out) {
    const int at = (collected[0] - cmd::writeaddressflag) << 8 | collected[1];
    const int value = collected[2];
    const bool tailok = std::equal(collected.begin() + 3, collected.end(), writeseqvalues + headbytes);
    if (!tailok || refusewrites || at == refuseaddress || !valid(at)) {
        out.push_back(0);
        return;
    }
    mem[at] = uint8_t(value);
    if (at >= 0x4000) recomputesums();
    const uint8_t expected = uint8_t((at + value) & 255);
    out.push_back(expected == 0 ? 1 : expected);
}

void SimProtocol::trimcell(uint8_t byte, std::vector<uint8_t> &out) {
    const int code = (byte - cmd::trim) & 0x60;
    const int load = byte & 31;
    const int coarse = selmap == 1 ? 10 : 2;
    const int step = code == cmd::trimfineup     ? 1
                     : code == cmd::trimcoarseup ? coarse
                     : code == cmd::trimfinedown ? -1
                                                 : -coarse;
    if (selmap == 1) {
        const int at = rowaddress(1, selrow) + 2 * load;
        const int cell = std::clamp((mem[at] << 8 | mem[at + 1]) + step, 0, 0xFFFF);
        mem[at] = uint8_t(cell >> 8);
        mem[at + 1] = uint8_t(cell & 255);
    } else {
        const int at = rowaddress(selmap, selrow) + load;
        mem[at] = uint8_t(std::clamp(mem[at] + step, 0, 255));
    }
    sums[selmap - 1] += step;
    reply(byte, uint8_t(sums[selmap - 1] & 255), out);
}

void SimProtocol::copyrow(int map, bool up, std::vector<uint8_t> &out) {
    const int source = pendingrow;
    const int rowbytes = map == 1 ? 64 : 32;
    const int first = up ? source + 1 : 0, last = up ? 31 : source - 1;
    for (int row = first; row <= last; ++row)
        std::copy_n(mem.begin() + rowaddress(map, source), rowbytes,
                    mem.begin() + rowaddress(map, row));
    recomputesums();
    reply(lastcommand, uint8_t(rowaddress(map, source) >> 8), out);
}

void SimProtocol::sendupload(std::vector<uint8_t> &out) {
    reply(lastcommand, cmd::uploadprompt, out);
    uint8_t sum = 0;
    auto block = [&](int from, int to) {
        for (int a = from; a <= to; ++a) {
            out.push_back(mem[a]);
            sum = uint8_t(sum + mem[a]);
        }
    };
    block(0x4000, 0x5FFF);
    block(0x1000, 0x1FFF);
    out.push_back(sum);
}

} // namespace korvane::test
