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
    switch (await) {
    case Await::command:
        wronged = false;
        command(byte, out);
        if (wronged) { // an ECU that answered wrongly did not start the command either
            await = Await::command;
            downloading = false;
        }
        return;
    case Await::writeaddresshigh:
        address = (byte - cmd::writeaddressflag) << 8;
        await = Await::writeaddresslow;
        return;
    case Await::writeaddresslow:
        address |= byte;
        await = Await::writevalue;
        return;
    case Await::writevalue:
        value = byte;
        collected.clear();
        await = Await::writetail;
        return;
    case Await::writetail:
        collected.push_back(byte);
        if (int(collected.size()) == tailbytes) finishwrite(out);
        return;
    case Await::downloadhead:
        collected.push_back(byte);
        if (int(collected.size()) == headbytes) {
            headok = std::equal(collected.begin(), collected.end(), writeseqvalues);
            downloading = true;
            await = Await::command;
        }
        return;
    case Await::lineaddresshigh:
        address = byte << 8;
        await = Await::lineaddresslow;
        return;
    case Await::lineaddresslow:
        address |= byte;
        collected.clear();
        // The closing 'f' of a download is followed by zeros: address 0 ends the download.
        await = address == 0 ? Await::trailingzero : Await::linedata;
        if (address == 0) downloading = false;
        return;
    case Await::linedata:
        collected.push_back(byte);
        if (int(collected.size()) == linebytes) {
            if (headok)
                for (int i = 0; i < linebytes; ++i)
                    if (valid(address + i)) mem[address + i] = collected[i];
            out.push_back(cmd::lineprompt);
            await = Await::command;
            if (address == 0x5FF0) recomputesums();
        }
        return;
    case Await::trailingzero:
        await = Await::command;
        if (byte != 0) command(byte, out);
        return;
    case Await::selectrow:
        if (byte >= 32) {
            await = Await::command;
            command(byte, out);
            return;
        }
        pendingrow = byte;
        out.push_back(byte);
        await = Await::selectconfirm;
        return;
    case Await::selectconfirm:
        await = Await::command;
        if (byte != cmd::confirmmap(pendingmap)) {
            command(byte, out);
            return;
        }
        selmap = pendingmap;
        selrow = pendingrow;
        lastcommand = byte;
        reply(byte, uint8_t((rowaddress(selmap, selrow) >> 8) + 5), out);
        return;
    case Await::copydirection:
        await = Await::command;
        for (int m = 1; m <= 7; ++m)
            if (byte == cmd::rowcopyup(m) || byte == cmd::rowcopydown(m)) {
                lastcommand = byte;
                copyrow(m, byte == cmd::rowcopyup(m), out);
                return;
            }
        command(byte, out);
        return;
    case Await::monitorhigh:
        monitor = byte << 8;
        out.push_back(cmd::monitorack2);
        await = Await::monitorlow;
        return;
    case Await::monitorlow:
        monitor |= byte;
        out.push_back(cmd::monitorack3);
        await = Await::command;
        return;
    }
}

void SimProtocol::command(uint8_t byte, std::vector<uint8_t> &out) {
    lastcommand = byte;
    if (downloading && byte != cmd::downloadprompt && byte != cmd::downloadline)
        downloading = false;

    if (byte >= cmd::trim) {
        trimcell(byte, out);
    } else if (byte < 32) { // a row copy starts with the source row
        pendingrow = byte;
        reply(byte, uint8_t(byte + cmd::rowecho), out);
        await = Await::copydirection;
    } else if (byte == cmd::writeopen) {
        reply(byte, cmd::writeopened, out);
        await = Await::writeaddresshigh;
    } else if (byte == cmd::downloadstart) {
        reply(byte, cmd::downloadstart, out);
        collected.clear();
        await = Await::downloadhead;
    } else if (byte == cmd::downloadprompt && downloading) {
        reply(byte, headok ? cmd::downloadready : 0, out);
    } else if (byte == cmd::downloadline && downloading) {
        reply(byte, cmd::lineprompt, out);
        await = Await::lineaddresshigh;
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
        await = Await::monitorhigh;
    } else if (byte == cmd::monitorread) {
        reply(byte, valid(monitor) ? mem[monitor] : 0, out);
    } else if (ismainmapselect(byte)) {
        // Alone it asks for the live rpm row; followed by a row it starts a map select.
        reply(byte, bytes[byte], out);
        pendingmap = byte - cmd::selectmap(0);
        await = Await::selectrow;
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
    await = Await::command;
    const bool tailok = std::equal(collected.begin(), collected.end(), writeseqvalues + headbytes);
    if (!tailok || refusewrites || !valid(address)) {
        out.push_back(0);
        return;
    }
    mem[address] = uint8_t(value);
    if (address >= 0x4000) recomputesums();
    const uint8_t expected = uint8_t((address + value) & 255);
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
