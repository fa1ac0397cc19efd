#pragma once
#include <cstdint>

namespace korvane::cmd {

// Every command byte the program sends to the ECU, with the replies that are not data.
// Each command is followed by a fixed number of bytes and answered by a fixed number of bytes;
// the link has no framing, so the sender checks the replies itself.

constexpr uint8_t version = 'c';   // reply: the firmware byte
constexpr uint8_t writeopen = 'H'; // single-setting write; reply writeopened
constexpr uint8_t writeopened = 'x';
constexpr uint8_t writeaddressflag = 128; // added to the address high byte of a write

constexpr uint8_t downloadstart = 'B';  // then the 128-byte head of writeseq
constexpr uint8_t downloadprompt = 'V'; // reply downloadready
constexpr uint8_t downloadready = 0xBB;
constexpr uint8_t downloadline = 'f'; // reply lineprompt; address and 16 bytes follow
constexpr uint8_t lineprompt = 0x11;

constexpr uint8_t upload = 'J';     // reply uploadprompt, 12288 bytes, a sum byte
constexpr uint8_t bootupload = 'N'; // boot the saved map, then as upload
constexpr uint8_t uploadprompt = 'b';
constexpr uint8_t signature = 'F'; // four bytes
constexpr uint8_t storedlog = 'L'; // 28672 bytes and a sum byte, no prompt

// Map select: selectmap(m), the rpm index, then confirmmap(m); both take maps 1..7.
constexpr uint8_t selectmap(int map) {
    return uint8_t(104 + map);
}
constexpr uint8_t confirmmap(int map) {
    return uint8_t(47 + map);
}
// The same byte alone asks for the live rpm index of main map m.
constexpr uint8_t liverpmrow(int map) {
    return uint8_t(104 + map);
}

// Keyboard trim of the selected main map: trim + step code + load index.
constexpr uint8_t trim = 128;
constexpr uint8_t trimfineup = 0, trimcoarseup = 32, trimfinedown = 64, trimcoarsedown = 96;

// Row copy: the source row (reply row + rowecho), then rowcopyup(m) or rowcopydown(m).
constexpr uint8_t rowecho = 85;
constexpr uint8_t rowcopyup(int map) {
    return uint8_t(31 + map);
}
constexpr uint8_t rowcopydown(int map) {
    return uint8_t(39 + map);
}

constexpr uint8_t afrstep = 'h'; // sent twice; replies afrstep1 then afrstep2
constexpr uint8_t afrstep1 = '3';
constexpr uint8_t afrstep2 = 'D';

// Four-byte queries.
constexpr uint8_t queryswitches = 'Z';
constexpr uint8_t querytimers = 'Y';
constexpr uint8_t querytemps = 'R';
constexpr uint8_t queryengine = 'T';
constexpr uint8_t queryoxygen = 'U';
constexpr uint8_t queryclosedloop = 'Q';
constexpr uint8_t queryinjection = 'P';
constexpr uint8_t queryadvance = 'S';
constexpr uint8_t querypwm9and10 = 'V';
constexpr uint8_t querypwm11 = 'W';
constexpr uint8_t querycam = '[';
// Live entries of the 16-entry tables: maps 8..39, four maps to a command 'p'..'w'.
constexpr uint8_t querytables(int map) {
    return uint8_t(110 + map / 4);
}
// Long-term trim column c (0..7): 'A', 'C', ... 'O'.
constexpr uint8_t queryltt(int column) {
    return uint8_t('A' + 2 * column);
}
constexpr uint8_t clearltt = 'D'; // no reply
// Log channels 4g..4g+3 (g = 0..3).
constexpr uint8_t querylog(int group) {
    return uint8_t(0x5C + group);
}

// One-byte live replies.
constexpr uint8_t knockplot = 'd';
constexpr uint8_t knockspark = 'e';
constexpr uint8_t liveloadrow = 0x60;
constexpr uint8_t liverpmheld = 'a';

// Memory monitor: monitoraddress, then high and low address bytes; monitorread reads the byte.
constexpr uint8_t monitoraddress = 0x40;
constexpr uint8_t monitorack1 = 'U', monitorack2 = 'f', monitorack3 = '3';
constexpr uint8_t monitorread = 'b';

} // namespace korvane::cmd
