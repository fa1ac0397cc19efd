#include "../core/maptestkit.h"
#include "config/migration.h"
#include "config/sitetables.h"
#include "core/linestate.h"
#include "core/flags.h"

#include <gtest/gtest.h>

using namespace korvane;
using namespace korvane::test;

namespace {
// Both spreads of curimage set to one increment each; taken as the old or the new tables.
void spreads(int rpm, int load, int flag) {
    for (int i = 0; i < 31; ++i) {
        curimage.settings[6 + i / 16][i % 16] = int16_t(rpm);
        curimage.settings[4 + i / 16][i % 16] = int16_t(load);
    }
    calcsitetables(flag);
}
} // namespace

TEST(Migration, AnUnchangedSpreadLeavesEveryMapAsItWas) {
    curimage = randomimage(13); // zero and 255 increments among them
    calcsitetables(-1);
    calcsitetables(0);
    const calimage before = curimage;
    modified = 0;
    markuploaded();
    migratemaps();
    EXPECT_TRUE(sameimage(before, curimage));
    EXPECT_EQ(modified, flagset);
    EXPECT_EQ(ecudirty, flagset);
}

TEST(Migration, NewSitesTakeTheOldMapsValueAtTheirPosition) {
    curimage = randomimage(17);
    spreads(80, 80, -1);
    curimage.fuelmap[0][0] = 40000; // beyond 16 bits signed
    curimage.fuelmap[1][0] = 50001;
    curimage.fuelmap[0][1] = 60000;
    curimage.fuelmap[1][1] = 65535;
    spreads(40, 40, 0); // new sites halfway between the old ones
    const calimage old = curimage;
    migratemaps();
    EXPECT_EQ(curimage.fuelmap[0][0], 40000);
    EXPECT_EQ(curimage.fuelmap[1][0], 45000); // 45000.5, half to even
    EXPECT_EQ(curimage.fuelmap[1][1], 53884); // 53884.0 from the four corners
    EXPECT_EQ(curimage.fuelmap[2][2], 65535);
    // On an old site exactly, for every map: 32-site maps 2 to 7, PWM maps 9 and 10.
    for (int m = 0; m < 6; ++m)
        EXPECT_EQ(curimage.rammaps[32 * m + 6][10], old.rammaps[32 * m + 3][5]) << m;
    for (int m = 0; m < 2; ++m) {
        EXPECT_EQ(curimage.pwmmaps[24 * m + 4][6], old.pwmmaps[24 * m + 2][3]) << m;
        EXPECT_NE(old.pwmmaps[24 * m + 4][6], old.pwmmaps[24 * m + 2][3]) << m;
    }
    EXPECT_EQ(curimage.afrmap[6][10], old.afrmap[3][5]);
    // Untouched: PWM map 11, the AFR comments, the tables.
    EXPECT_EQ(std::memcmp(old.pwmmaps[48], curimage.pwmmaps[48], 24 * 24 * 2), 0);
    EXPECT_EQ(std::memcmp(old.afrmap[32], curimage.afrmap[32], 19 * 32 * 2), 0);
    EXPECT_EQ(std::memcmp(old.settings[16], curimage.settings[16], 32 * 16 * 2), 0);
}

TEST(Migration, SitesBeyondTheOldSpreadTakeTheLastSite) {
    curimage = randomimage(19);
    spreads(10, 80, -1); // the last old rpm site at 310
    spreads(80, 80, 0);
    const calimage old = curimage;
    migratemaps();
    for (int i = 4; i < 32; ++i)
        for (int j = 0; j < 32; j += 7) {
            EXPECT_EQ(curimage.fuelmap[i][j], old.fuelmap[31][j]) << i << "," << j;
            EXPECT_EQ(curimage.rammaps[160 + i][j], old.rammaps[160 + 31][j]) << i << "," << j;
        }
    // The 24-site maps likewise: PWM map 9 beyond its last site.
    for (int i = 4; i < 24; ++i)
        EXPECT_EQ(curimage.pwmmaps[i][3], old.pwmmaps[23][3]) << i;
}
