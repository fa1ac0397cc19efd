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
    EXPECT_EQ(feed(ecu, {'j', 10, '1'}), (std::vector<uint8_t>{0, 10, 0x49 + 5}));
    EXPECT_EQ(feed(ecu, {128 + 32 + 5}), std::vector<uint8_t>{102}); // coarse up: 2 on map 2
    EXPECT_EQ(ecu.mem[SimProtocol::rowaddress(2, 10) + 5], 102);

    // Row copy up from row 10 of map 2: echo 95, then the source row's address high byte.
    EXPECT_EQ(feed(ecu, {10, 33}), (std::vector<uint8_t>{95, 0x49}));
    EXPECT_EQ(ecu.mem[SimProtocol::rowaddress(2, 31) + 5], 102);
    EXPECT_EQ(ecu.mem[SimProtocol::rowaddress(2, 9) + 5], 0);

    // A lone live-row query followed by another command is no map select.
    EXPECT_EQ(feed(ecu, {'i', 'c'}), (std::vector<uint8_t>{0, 28}));
    EXPECT_EQ(ecu.selmap, 2);
}

TEST(SimEcuProtocol, MonitorAndAfrStep) {
    SimProtocol ecu;
    ecu.mem[0x1234] = 0x5A;
    EXPECT_EQ(feed(ecu, {0x40, 0x12, 0x34, 'b'}), (std::vector<uint8_t>{'U', 'f', '3', 0x5A}));
    EXPECT_EQ(feed(ecu, {'h', 'h'}), (std::vector<uint8_t>{'3', 'D'}));
}
