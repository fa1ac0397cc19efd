#include "core/calimage.h"
#include "core/prefs.h"
#include "editor/axislabels.h"

#include <QLocale>
#include <gtest/gtest.h>

using namespace korvane;

namespace {

// Sets load increment k (1..31) through its ECU address.
void setload(int k, int value) { setimagebyte(curimage, k <= 16 ? 0x103F + k : 0x104F + k - 16, value); }
void setrpm(int k, int value) { setimagebyte(curimage, k <= 16 ? 0x105F + k : 0x106F + k - 16, value); }

class AxisLabels : public ::testing::Test {
  protected:
    const QLocale saved;
    void SetUp() override
    {
        curimage = calimage{};
        prefs[0] = prefoff;
        QLocale::setDefault(QLocale::c());
    }
    void TearDown() override
    {
        prefs[0] = prefoff;
        QLocale::setDefault(saved);
    }
    void makelabels(bool metric)
    {
        prefs[0] = metric ? prefon : prefoff;
        makeaxislabels();
    }
};

} // namespace

TEST_F(AxisLabels, ZeroIncrementsLeaveEverySiteAtFullVacuum)
{
    makelabels(false);
    EXPECT_EQ(loadsites, 32);
    EXPECT_EQ(rpmsites, 32);
    for (int k = 0; k < 32; ++k) {
        EXPECT_EQ(loadlabels[k], "760 mmHg");
        EXPECT_EQ(rpmlabels[k], "0 rpm");
    }
    makelabels(true);
    EXPECT_EQ(loadlabels[31], "0 kPa");
}

TEST_F(AxisLabels, IncrementsOf40CrossAtmosphericAtSite19)
{
    for (int k = 1; k <= 31; ++k) setload(k, 40);
    makelabels(false);
    EXPECT_EQ(loadlabels[0], "760 mmHg");
    EXPECT_EQ(loadlabels[18], "40 mmHg");
    EXPECT_EQ(loadlabels[19], "0 mmHg");
    EXPECT_EQ(loadlabels[20], "0.8 psi");
    EXPECT_EQ(loadsteps[0], 0);
    EXPECT_EQ(loadsteps[31], 40);
    makelabels(true);
    EXPECT_EQ(loadlabels[18], "96 kPa");
    EXPECT_EQ(loadlabels[19], "101 kPa");
    EXPECT_EQ(loadlabels[20], "106 kPa");

    // Just below atmospheric: 750 counts.
    curimage = calimage{};
    for (int k = 1; k <= 3; ++k) setload(k, 250);
    makelabels(false);
    EXPECT_EQ(loadlabels[3], "10 mmHg");
    makelabels(true);
    EXPECT_EQ(loadlabels[3], "100 kPa");
}

TEST_F(AxisLabels, TheFirst255OnAnAxisEndsItsSites)
{
    setload(1, 255);
    setload(12, 255);
    setrpm(12, 255);
    setrpm(20, 255);
    makelabels(false);
    EXPECT_EQ(loadsites, 1);
    EXPECT_EQ(rpmsites, 12);
    // Sites beyond the used ones still get labels, the 255s counted in.
    EXPECT_EQ(loadlabels[1], "505 mmHg");
    EXPECT_EQ(loadlabels[12], "250 mmHg");
    EXPECT_EQ(rpmlabels[12], "1275 rpm");
    EXPECT_EQ(rpmlabels[31], "2550 rpm");

    // The second half of each axis sits in the next settings row.
    curimage = calimage{};
    setload(17, 255);
    setrpm(31, 255);
    makelabels(false);
    EXPECT_EQ(loadsites, 17);
    EXPECT_EQ(rpmsites, 31);
}

TEST_F(AxisLabels, TheSettingsAfterEachAxisTakeNoPart)
{
    for (int k = 1; k <= 31; ++k) {
        setload(k, 10);
        setrpm(k, 20);
    }
    makelabels(false);
    QString load[32], rpm[32];
    std::copy(std::begin(loadlabels), std::end(loadlabels), load);
    std::copy(std::begin(rpmlabels), std::end(rpmlabels), rpm);

    setimagebyte(curimage, 0x105F, 255);
    setimagebyte(curimage, 0x107F, 255);
    makelabels(false);
    EXPECT_EQ(loadsites, 32);
    EXPECT_EQ(rpmsites, 32);
    EXPECT_TRUE(std::equal(std::begin(load), std::end(load), loadlabels));
    EXPECT_TRUE(std::equal(std::begin(rpm), std::end(rpm), rpmlabels));
}

TEST_F(AxisLabels, RpmLabelsCountInStepsOf5Rpm)
{
    for (int k = 1; k <= 31; ++k) setrpm(k, 100);
    makelabels(false);
    for (int k = 0; k < 32; ++k) EXPECT_EQ(rpmlabels[k], QString::number(500 * k) + " rpm");
}

TEST_F(AxisLabels, IncrementsOf255NeverOverflow)
{
    for (int k = 1; k <= 31; ++k) {
        setload(k, 255);
        setrpm(k, 255);
    }
    makelabels(false);
    EXPECT_EQ(rpmlabels[31], "39525 rpm"); // 31 x 255 x 5: beyond 16 bits
    EXPECT_EQ(rpmlabels[26], "33150 rpm");
    EXPECT_EQ(loadlabels[31], "142.9 psi");
    makelabels(true);
    EXPECT_EQ(loadlabels[31], "1073 kPa");
}

TEST_F(AxisLabels, LabelsFollowTheUsersNumberFormat)
{
    for (int k = 1; k <= 31; ++k) setload(k, 40);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    makelabels(false);
    EXPECT_EQ(loadlabels[20], "0,8 psi");
    EXPECT_EQ(loadlabels[18], "40 mmHg");
}
