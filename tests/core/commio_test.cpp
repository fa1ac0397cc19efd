#include "core/commio.h"
#include "core/linestate.h"
#include "core/mainport.h"
#include "core/prefs.h"
#include "platform/serialport.h"
#include "simlink.h"

#include <QElapsedTimer>

using namespace korvane;
using namespace korvane::test;

namespace {
class CommIo : public SimLinkTest {};
} // namespace

TEST_F(CommIo, EveryByteValuePassesUnchangedBothWays) {
    // The ECU answers the version command with each value in turn.
    for (int value = 0; value < 256; ++value) {
        ecu.setbyte('c', uint8_t(value));
        commtx = 'c';
        commio(0);
        ASSERT_EQ(commerror, 0) << value;
        ASSERT_EQ(commrx, value) << value;
    }
    ecu.clearreceived();
    for (int value = 0; value < 256; ++value) {
        commtx = uint8_t(value);
        commio(1);
    }
    const QByteArray sent = takereceived(256);
    ASSERT_EQ(sent.size(), 256);
    for (int value = 0; value < 256; ++value)
        EXPECT_EQ(uint8_t(sent[value]), value);
}

TEST_F(CommIo, TimeoutLeavesCommrxAndReportsTheCount) {
    commtx = 'c';
    commio(0);
    ASSERT_EQ(commrx, 28);
    ecu.setsilent(true);
    QElapsedTimer clock;
    clock.start();
    commio(0);
    EXPECT_GE(clock.elapsed(), 290);
    EXPECT_LT(clock.elapsed(), 1000);
    EXPECT_EQ(commerror, 255);
    EXPECT_EQ(commerrtext, " failcount = 30001 ");
    EXPECT_EQ(commrx, 28);

    ecu.setsilent(false);
    commio(0);
    EXPECT_EQ(commerror, 0);
    EXPECT_EQ(commerrtext, "");
}

TEST_F(CommIo, ModeZeroDiscardsStaleInputModeTwoReadsIt) {
    ecu.sendstale(QByteArray("\x55\x66", 2));
    ecu.setfirmware(28);
    commtx = 'c';
    commio(0);
    EXPECT_EQ(commrx, 28); // the waiting 0x55 was not taken as the reply

    ecu.sendstale(QByteArray("\x77", 1));
    commio(2);
    EXPECT_EQ(commerror, 0);
    EXPECT_EQ(commrx, 0x77);
}

TEST_F(CommIo, ModeOneSendsWithoutWaitingAndUnknownModesSendNothing) {
    commtx = 'c';
    commio(1);
    EXPECT_EQ(commerror, 0);
    EXPECT_EQ(takereceived(1), QByteArray("c"));
    commio(3);
    EXPECT_EQ(commerror, 255);
    EXPECT_EQ(commerrtext, " unknown ");
    commio(-1);
    EXPECT_EQ(commerrtext, " unknown ");
    EXPECT_FALSE(ecu.waitreceived(1, 50));
}

TEST_F(CommIo, QueryStopsAtTheFirstMissingByte) {
    ecu.setquery('R', {10, 20, 30, 40});
    uint8_t reply[4]{};
    EXPECT_EQ(queryecu('R', reply), 4);
    EXPECT_EQ(reply[3], 40);
    ecu.stallafter(2);
    uint8_t partial[4]{};
    EXPECT_EQ(queryecu('R', partial), 2);
    EXPECT_EQ(partial[0], 10);
    EXPECT_EQ(partial[1], 20);
    EXPECT_EQ(partial[2], 0);
}

TEST_F(CommIo, AfterATimeoutOnlyAQueryWithNothingAfterItsAnswerCounts) {
    ecu.setquery('R', {10, 20, 30, 40});
    uint8_t reply[4]{};
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(queryecu('R', reply), 4);
    EXPECT_LT(clock.elapsed(), 100); // in step, nothing is awaited after the answer
    ecu.holdreplies(0);
    EXPECT_EQ(queryecu('T', reply), 0);
    ecu.releasereplies(true); // T's held reply comes ahead of the next answer
    uint8_t late[4]{};
    EXPECT_EQ(queryecu('R', late), 0);
    EXPECT_EQ(commerrtext, " late reply ");
    EXPECT_EQ(late[0], 0);
    EXPECT_EQ(queryecu('R', late), 4);
    EXPECT_EQ(late[0], 10);
    EXPECT_TRUE(lineinstep());

    // Bytes before a timeout are kept only on a line in step.
    ecu.stallafter(0);
    EXPECT_EQ(queryecu('R', late), 0);
    ecu.stallafter(2);
    EXPECT_EQ(queryecu('R', late), 0);
    ecu.stallafter(-1);
    EXPECT_EQ(queryecu('R', late), 4);
    ecu.stallafter(2);
    EXPECT_EQ(queryecu('R', late), 2);
}

TEST(MainPort, MissingPortReportsTheOpeningStep) {
    TempProgramFolder folder;
    comport = 99; // no link, and /dev/ttyS98 does not exist
    EXPECT_EQ(openmainport(),
              "an error occurred opening the com port: /dev/ttyS98: No such file or directory");
    EXPECT_FALSE(mainport().PortOpen());
    comport = 0;
    EXPECT_EQ(openmainport(), "an error occurred setting the com port number");
    comport = 1;
    commtx = 'c';
    commio(0); // on a closed port: fails, never crashes
    EXPECT_EQ(commerror, 255);
}
