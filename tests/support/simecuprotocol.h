#pragma once
#include <array>
#include <cstdint>
#include <vector>

namespace korvane::test {

// The ECU's side of the command catalogue, byte by byte, without any line: the simulated ECU
// feeds it every byte it receives and sends what it answers.
class SimProtocol {
  public:
    SimProtocol();

    // Handles one received byte and appends the reply bytes, if any, to out.
    void receive(uint8_t byte, std::vector<uint8_t> &out);
    // Rebuilds the running sums of maps 1..7 from memory (after the memory changed wholesale).
    void recomputesums();
    // Switched off and on: the memory stays, a command cut short is forgotten.
    void restart();

    static constexpr int memsize = 0x6000;
    static bool valid(int address);
    // ECU address of row r of main map m (1..7); its high byte confirms map selects and copies.
    static int rowaddress(int map, int row);

    std::array<uint8_t, memsize> mem{};
    std::array<std::array<uint8_t, 4>, 256> queries{}; // four-byte replies by command
    std::array<uint8_t, 256> bytes{};                  // one-byte replies by command
    std::vector<uint8_t> storedlog;                    // 28672 bytes
    int wrongcommand = -1; // the first reply byte to this command is wrongvalue
    uint8_t wrongvalue = 0;
    bool refusewrites = false;
    int refuseaddress = -1; // single-setting writes to this address answer 0
    // The column trims act on: set by a map select (104 + m, row, 47 + m) to its row, by the
    // lone 104 + m of the live poll to the live rpm row it answers, and by the source row that
    // starts a row copy.
    int selmap = 1, selrow = 0;
    int32_t sums[7]{};          // running checksums of maps 1..7
    bool headok = false;        // the last download head matched the write sequence

  private:
    // Grammar: how many bytes follow command byte c before the next command starts.
    int length(uint8_t c) const;
    void start(uint8_t byte, std::vector<uint8_t> &out);
    void follow(uint8_t byte, std::vector<uint8_t> &out);
    void followrow(uint8_t byte, std::vector<uint8_t> &out);
    void followline(uint8_t byte, std::vector<uint8_t> &out);
    void command(uint8_t byte, std::vector<uint8_t> &out);
    void reply(uint8_t command, uint8_t value, std::vector<uint8_t> &out);
    void finishwrite(std::vector<uint8_t> &out);
    void trimcell(uint8_t byte, std::vector<uint8_t> &out);
    void copyrow(int map, bool up, std::vector<uint8_t> &out);
    void sendupload(std::vector<uint8_t> &out);

    int following = 0;        // bytes of the current command still to come
    uint8_t current = 0;      // the command whose bytes are coming
    uint8_t previous = 0;     // the command before it
    int selecting = 0;        // a row that came right after select byte 104 + m: m, else 0
    bool downloading = false; // between an accepted 'B' head and a command other than 'V'/'f'
    bool afrhalf = false;     // the first 'h' of the AFR step came
    bool wronged = false;     // the last command got the wrong reply
    uint8_t lastcommand = 0;
    int address = 0, pendingrow = 0, monitor = 0;
    std::vector<uint8_t> collected;
};

} // namespace korvane::test
