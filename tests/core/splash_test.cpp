#include "core/buildprofile.h"
#include "core/splash.h"
#include "platform/canvasrecorder.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace korvane;

namespace {
bool same(const Drawn &a, const Drawn &b)
{
    return a.kind == b.kind && a.x1 == b.x1 && a.y1 == b.y1 && a.x2 == b.x2 && a.y2 == b.y2 &&
           a.colour == b.colour && a.string == b.string && a.font == b.font;
}
} // namespace

TEST(Splash, SameSeedSamePictureThatStopsAtItsLastStep)
{
    setbuildprofile();
    RecordingCanvas first, second;
    Splash one, two;
    for (int i = 0; i < 23; ++i) {
        one.tick(first);
        two.tick(second);
    }
    const size_t drawn = first.drawn.size();
    ASSERT_EQ(drawn, 19 + 52 + 3u);
    for (int i = 0; i < 50; ++i) one.tick(first);
    EXPECT_EQ(first.drawn.size(), drawn);
    for (size_t i = 0; i < drawn; ++i) ASSERT_TRUE(same(first.drawn[i], second.drawn[i])) << i;

    // Nineteen lines of exactly 31 mnemonics, 170 twips apart, then the logo's segments.
    const QRegularExpression mnemonics("^(LDAA \\$0,X |LDAB tps |MUL |ABX |XGDX |LDAA cts |"
                                       "LDAB \\$0,Y |LDX delay |LDAA ign |RTS ){31}$");
    for (int k = 0; k < 19; ++k) {
        const Drawn &line = first.drawn[k];
        EXPECT_TRUE(mnemonics.match(line.string).hasMatch()) << line.string.toStdString();
        EXPECT_EQ(line.y1, 170 * (k + 1));
    }
    EXPECT_NE(first.drawn[0].string, first.drawn[1].string);
    for (int s = 0; s < 52; ++s) EXPECT_EQ(first.drawn[19 + s].colour, s < 32 ? 0u : 0x0000FFu);
    EXPECT_EQ(first.drawn[72].string, "on-line programmer");

    one.counter = 30000;
    one.tick(first);
    one.tick(first);
    EXPECT_EQ(one.counter, 30001);
}
