// The simulated ECU's side of the transfers that later windows use: their tests rely on it.
#include "core/linecheck.h"
#include "simecuprotocol.h"

#include <gtest/gtest.h>

using namespace korvane;
using namespace korvane::test;

namespace {
std::vector<uint8_t> feed(SimProtocol &ecu, std::initializer_list<int> bytes) {
    std::vector<uint8_t> out;
    for (int b : bytes)
        ecu.receive(uint8_t(b), out);
    return out;
}

std::vector<uint8_t> feedhead(SimProtocol &ecu, const uint8_t *head) {
    std::vector<uint8_t> out = feed(ecu, {'B'});
    for (int i = 0; i < 128; ++i)
        ecu.receive(head[i], out);
    return out;
}
} // namespace

TEST(SimEcuProtocol, DownloadNeedsTheWriteSequenceAndEndsOnAddressZero) {
    SimProtocol ecu;
    uint8_t wrong[128];
    std::copy_n(writeseqvalues, 128, wrong);
    wrong[77] ^= 1;
    feedhead(ecu, wrong);
    EXPECT_EQ(feed(ecu, {'V'}), std::vector<uint8_t>{0});

    feedhead(ecu, writeseqvalues);
    EXPECT_EQ(feed(ecu, {'V'}), std::vector<uint8_t>{0xBB});
    std::vector<uint8_t> out = feed(ecu, {'f', 0x40, 0x10});
    for (int i = 0; i < 16; ++i)
        ecu.receive(uint8_t(i + 1), out);
    EXPECT_EQ(out, (std::vector<uint8_t>{0x11, 0x11}));
    EXPECT_EQ(ecu.mem[0x4010], 1);
    EXPECT_EQ(ecu.mem[0x401F], 16);
    EXPECT_EQ(feed(ecu, {'f', 0, 0, 0}), std::vector<uint8_t>{0x11});
    EXPECT_EQ(feed(ecu, {'V'}), (std::vector<uint8_t>{0, 0, 0, 0})); // a live query again
}

TEST(SimEcuProtocol, UploadSendsBlockTwoThenBlockOneAndTheSum) {
    SimProtocol ecu;
    ecu.mem[0x4000] = 7;
    ecu.mem[0x1FFF] = 250;
    const std::vector<uint8_t> out = feed(ecu, {'J'});
    ASSERT_EQ(out.size(), 1u + 12288 + 1);
    EXPECT_EQ(out[0], 'b');
    EXPECT_EQ(out[1], 7);
    EXPECT_EQ(out[12288], 250);
    EXPECT_EQ(out[12289], uint8_t(257));
}

TEST(SimEcuProtocol, TrimsFollowTheMapSelectAndAnswerTheChecksum) {
    SimProtocol ecu;
    ecu.mem[SimProtocol::rowaddress(2, 10) + 5] = 100;
    ecu.recomputesums();
    EXPECT_EQ(feed(ecu, {'j', 10, '1'}), (std::vector<uint8_t>{0, 95, 0x49 + 5}));
    EXPECT_EQ(feed(ecu, {128 + 32 + 5}), std::vector<uint8_t>{102}); // coarse up: 2 on map 2
    EXPECT_EQ(ecu.mem[SimProtocol::rowaddress(2, 10) + 5], 102);

    // Row copy up from row 10 of map 2: echo 95, then the source row's address high byte.
    EXPECT_EQ(feed(ecu, {10, 33}), (std::vector<uint8_t>{95, 0x49}));
    EXPECT_EQ(ecu.mem[SimProtocol::rowaddress(2, 31) + 5], 102);
    EXPECT_EQ(ecu.mem[SimProtocol::rowaddress(2, 9) + 5], 0);

    // A lone live-row query moves the trims to the ECU's live row of that map (clamped).
    ecu.bytes['i'] = 40;
    EXPECT_EQ(feed(ecu, {'i', 'c'}), (std::vector<uint8_t>{40, 28}));
    EXPECT_EQ(ecu.selmap, 1);
    EXPECT_EQ(ecu.selrow, 31);
}

// The live rpm query and the map select share a byte, and a select's row looks like a row copy's
// source: the byte after the row tells them apart.
TEST(SimEcuProtocol, RowCopyAfterALiveQueryAndASelectAfterARowCopy) {
    SimProtocol ecu;
    ecu.bytes[0x6A] = 17; // live rpm row of map 2
    ecu.mem[SimProtocol::rowaddress(2, 4) + 3] = 66;
    EXPECT_EQ(feed(ecu, {0x6A, 0x04, 0x21}), (std::vector<uint8_t>{17, 0x59, 0x48}));
    EXPECT_EQ(ecu.mem[SimProtocol::rowaddress(2, 31) + 3], 66);
    EXPECT_EQ(ecu.selmap, 2); // no select: the live query's map, the copy's source row
    EXPECT_EQ(ecu.selrow, 4);
    EXPECT_EQ(feed(ecu, {0x04, 0x29, 0x6B, 0x0C, 0x32}),
              (std::vector<uint8_t>{0x59, 0x48, 0, 0x61, 0x4D + 5}));
    EXPECT_EQ(ecu.mem[SimProtocol::rowaddress(2, 0) + 3], 66); // copied down from row 4
    EXPECT_EQ(ecu.selmap, 3);
    EXPECT_EQ(ecu.selrow, 12);
    // A write's address and value bytes are never read as commands: 'H' at 0x1004.
    std::vector<uint8_t> out = feed(ecu, {'H', 0x90, 0x04, 0x0A});
    for (int i = 0; i < 64; ++i)
        ecu.receive(writeseqvalues[128 + i], out);
    EXPECT_EQ(out, (std::vector<uint8_t>{'x', 0x0E}));
    EXPECT_EQ(ecu.mem[0x1004], 0x0A);
}

TEST(SimEcuProtocol, MonitorAndAfrStep) {
    SimProtocol ecu;
    ecu.mem[0x1234] = 0x5A;
    EXPECT_EQ(feed(ecu, {0x40, 0x12, 0x34, 'b'}), (std::vector<uint8_t>{'U', 'f', '3', 0x5A}));
    EXPECT_EQ(feed(ecu, {'h', 'h'}), (std::vector<uint8_t>{'3', 'D'}));
}
