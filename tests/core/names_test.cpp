#include "core/buildprofile.h"
#include "core/names.h"

#include <gtest/gtest.h>

#include <QSet>

using namespace korvane;

TEST(BuildProfile, HoldsTheTextsAndFirmwareByteOfThisBuild)
{
    setbuildprofile();
    EXPECT_EQ(expectedfw, 28);
    EXPECT_EQ(titletext, "tAvix Korvane 2.50 build 15");
    EXPECT_TRUE(versiontext.startsWith(" .Version 2.50 R14, ECU: KORVANE 2.50 R15"));
    EXPECT_TRUE(versiontext.endsWith("built May 2007 - Dec 2007"));
    EXPECT_FALSE(oldmenus);
    EXPECT_FALSE(oldsettings);
    const uint32_t scheme[7]{0xC0C000, 0xC0C0C0, 0xC0C0C0, 0xFFFFC0, 0xFFFF80, 0xFFFF00, 0xB02020};
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(profilecolours[i], scheme[i]) << i;
}

TEST(ChannelTable, ConvertsRawBytesAsTheEcuMeansThem)
{
    initnames();
    auto value = [](int channel, int raw) {
        return raw * chanscale[channel] + chanoffset[channel];
    };
    EXPECT_DOUBLE_EQ(value(31, 128), 0);  // stt left centres on 128
    EXPECT_DOUBLE_EQ(value(0, 0), -20);   // coolant
    EXPECT_DOUBLE_EQ(value(7, 20), 0);    // air temp
    EXPECT_DOUBLE_EQ(value(27, 200), 14); // battery
    EXPECT_DOUBLE_EQ(value(2, 100), 5000);
    EXPECT_DOUBLE_EQ(value(14, 100), 300);
    // Every channel's scale: a wrong one misreads that channel in the gauges, logs and report.
    const double scales[32]{1,    0.1,  50,    0.4,   0.156, 1,    0.02, 1,    0.4,  0.063, 0.4,
                            1,    1,    0.32,  3,     1,     0.004, 0.004, 0.5, 0.02, 0.02,  0.02,
                            0.02, 0.02, 0.02,  0.5,   0.02,  0.02,  0.4,   0.4, 0.4,  0.5};
    for (int i = 0; i < 32; ++i)
        EXPECT_DOUBLE_EQ(chanscale[i], scales[i]) << i;
    for (int i = 1; i <= 30; ++i) {
        const double expected = i == 7 ? -20 : i == 27 ? 10 : 0;
        EXPECT_EQ(chanoffset[i], expected) << i;
    }
}

TEST(ChannelTable, NamesSitAtTheirChannelNumbers)
{
    initnames();
    EXPECT_EQ(channame[0], "coolant temp (C)");
    EXPECT_EQ(channame[1], "AFR (:1)");
    EXPECT_EQ(channame[5], "vehicle speed (kph)");
    EXPECT_EQ(channame[9], "knock ret. (deg.)");
    EXPECT_EQ(channame[10], "wastegate PID (%)");
    EXPECT_EQ(channame[11], "cell X (n)");
    EXPECT_EQ(channame[12], "cell Y (n)");
    EXPECT_EQ(channame[16], "O2 left (V)");
    EXPECT_EQ(channame[19], "aux 1 (V)");
    EXPECT_EQ(channame[24], "aux 6 (V)");
    EXPECT_EQ(channame[26], "input follow (V)");
    EXPECT_EQ(channame[29], "load spread (%)");
    EXPECT_EQ(channame[30], "rpm spread (%)");
    EXPECT_EQ(channame[31], "stt left (%)");
    QSet<QString> distinct;
    for (const QString &name : channame)
        distinct.insert(name);
    EXPECT_EQ(distinct.size(), channelcount);

    EXPECT_EQ(mapnames[0], "Fuel map");
    EXPECT_EQ(mapnames[2], "Fuel auxiliary trim map");
    EXPECT_EQ(mapnames[4], "Spark anti-lag trim map");
    EXPECT_EQ(mapnames[6], "Spark backup map");
}
