#include "core/calimage.h"
#include "core/editorstate.h"
#include "editor/cellcolours.h"
#include "editor/celltext.h"
#include "editor/mapcatalogue.h"
#include "editor/numbertext.h"

#include <QLocale>
#include <cmath>
#include <gtest/gtest.h>

using namespace korvane;

namespace {
class CellText : public ::testing::Test {
  protected:
    QLocale saved;
    void SetUp() override { QLocale::setDefault(QLocale::c()); }
    void TearDown() override { QLocale::setDefault(saved); }
};

QString text(int map, int raw) { return cellvaluetext(map, raw, false, 0); }
} // namespace

TEST_F(CellText, EveryFormShowsTheTunersNumber)
{
    EXPECT_EQ(text(1, 1234), "6.17");
    EXPECT_EQ(text(1, 10000), "50");
    EXPECT_EQ(text(1, 1), "0.005");
    EXPECT_EQ(text(1, 0), "0");
    EXPECT_EQ(text(2, 0), "-10.24");
    EXPECT_EQ(text(2, 255), "10.16");
    EXPECT_EQ(text(2, 131), "0.24");
    EXPECT_EQ(text(3, 128), "0");
    EXPECT_EQ(text(4, 35), "35");
    EXPECT_EQ(text(5, 0), "-128");
    EXPECT_EQ(text(6, 178), "50");
    EXPECT_EQ(text(8, 255), "127.5");
    EXPECT_EQ(text(10, 0), "-12.8");
    EXPECT_EQ(text(15, 255), "5.1");
    EXPECT_EQ(text(16, 255), "38.25");
    EXPECT_EQ(text(19, 100), "800");
    EXPECT_EQ(text(24, 255), "2040");
    EXPECT_EQ(text(26, 129), "0.04");
    EXPECT_EQ(text(33, 255), "102");
    EXPECT_EQ(text(41, 3), "1.2");
    EXPECT_EQ(text(43, 147), "14.7");
    // Map 28 counts down from 255: more raw is less vacuum.
    EXPECT_EQ(text(28, 255), "0");
    EXPECT_EQ(text(28, 250), "15");
    EXPECT_EQ(text(28, 0), "765");
}

TEST_F(CellText, Map40ShowsCamDegreesOnlyInVctForm)
{
    EXPECT_EQ(cellvaluetext(40, 200, true, 45), "12.8");
    EXPECT_EQ(cellvaluetext(40, 200, false, 45), "80");
    EXPECT_EQ(cellvaluetext(40, 0, true, 60), "-30.0");
    EXPECT_EQ(cellvaluetext(40, 128, true, 60), "0.1");
    EXPECT_EQ(cellvaluetext(40, 255, true, 60), "30.0");
    EXPECT_EQ(cellvaluetext(40, 77, true, 0), "0.0");
    // The VCT form belongs to map 40 alone.
    EXPECT_EQ(cellvaluetext(41, 200, true, 45), "80");

    curimage.settings[13][11] = 15;
    EXPECT_FALSE(vctform());
    curimage.settings[13][11] = 16;
    EXPECT_TRUE(vctform());
    curimage.settings[13][11] = 0;
}

// Every shown decimal rounds the value's decimal digits, halves away from zero, never "-0".
TEST_F(CellText, ShownDecimalsRoundTheDecimalValue)
{
    EXPECT_EQ(fixedtext(1.005, 2), "1.01"); // 1.00499999999999989... in binary
    EXPECT_EQ(fixedtext(-0.25, 1), "-0.3");
    EXPECT_EQ(fixedtext(2.5, 0), "3");
    EXPECT_EQ(fixedtext(-0.04, 1), "0.0");
    EXPECT_EQ(fixedtext(0.0049, 2), "0.00");
    EXPECT_EQ(fixedtext(99.96, 1), "100.0");
    EXPECT_EQ(fixedtext(1e20, 0), "100000000000000000000");
}

TEST_F(CellText, ACommaLocaleGetsItsSeparatorAndNoGrouping)
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(text(1, 1234), "6,17");
    EXPECT_EQ(text(2, 0), "-10,24");
    EXPECT_EQ(text(1, 10000), "50");
    EXPECT_EQ(text(24, 255), "2040");
    EXPECT_EQ(text(28, 0), "765");
    EXPECT_EQ(cellvaluetext(40, 200, true, 45), "12,8");
    EXPECT_EQ(steptext(2, 2, false, 0), "0,16");
}

// Every raw value of every map reads back as the value it stands for: no digit tails, no
// grouping, no lost sign, in both number formats.
TEST_F(CellText, EveryRawValueOfEveryMapReadsBackExactly)
{
    for (const QLocale &locale : {QLocale::c(), QLocale(QLocale::German, QLocale::Germany)}) {
        QLocale::setDefault(locale);
        for (int map = firstmap; map <= lastmap; ++map) {
            const int top = map == 1 ? 10000 : 255;
            for (int raw = 0; raw <= top; ++raw) {
                const QString shown = text(map, raw);
                bool ok = false;
                const double back = locale.toDouble(shown, &ok);
                ASSERT_TRUE(ok) << "map " << map << " raw " << raw << ": " << shown.toStdString();
                ASSERT_NEAR(back, shownvalue(map, raw), 1e-9) << "map " << map << " raw " << raw;
                ASSERT_LE(shown.size(), 7) << "map " << map << " raw " << raw;
            }
        }
    }
}

TEST_F(CellText, TheStepLabelUsesTheMapsUnit)
{
    EXPECT_EQ(steptext(4, 2, false, 0), "2");
    EXPECT_EQ(steptext(19, 2, false, 0), "16");
    EXPECT_EQ(steptext(28, 2, false, 0), "6");
    EXPECT_EQ(steptext(2, 2, false, 0), "0.16");
    EXPECT_EQ(steptext(33, 2, false, 0), "0.8");
    EXPECT_EQ(steptext(1, 10, false, 0), "0.05");
    EXPECT_EQ(steptext(1, 1, false, 0), "0.005");
    EXPECT_EQ(steptext(40, 1, true, 60), "0.2");
    EXPECT_EQ(steptext(40, 2, true, 200), "1.6");
    EXPECT_EQ(steptext(40, 2, false, 200), "0.8");
}

TEST(CellColours, TintsAndBaseColoursOfTheAxes)
{
    EXPECT_EQ(halftint(0), rgbcolour(128, 128, 128));
    EXPECT_EQ(fifthtint(0), rgbcolour(200, 200, 200));
    EXPECT_EQ(halftint(0xFFFFFF), rgbcolour(255, 255, 255));
    EXPECT_EQ(fifthtint(0xFFFFFF), rgbcolour(251, 251, 251));
    EXPECT_EQ(halftint(rgbcolour(10, 100, 201)), rgbcolour(133, 178, 228));

    // Map 4 with 20 rpm sites: even and odd rows past them, and a used odd row.
    EXPECT_EQ(gridbasecolour(4, 24, 3, 20, 32), 0x808080u);
    EXPECT_EQ(gridbasecolour(4, 21, 3, 20, 32), 0xA08080u);
    EXPECT_EQ(gridbasecolour(4, 19, 3, 20, 32), 0xFFF0F0u);
    EXPECT_EQ(gridbasecolour(4, 18, 3, 20, 32), 0xFFFFFFu);
    // PWM maps have no unused sites, whatever the rpm axis says.
    EXPECT_EQ(gridbasecolour(41, 21, 3, 10, 5), 0xF0FFF0u);
    EXPECT_EQ(gridbasecolour(41, 20, 30, 10, 5), 0xFFFFFFu);
    // Map 43 past its 28 load sites.
    EXPECT_EQ(gridbasecolour(43, 2, 28, 32, 28), 0x808080u);
    EXPECT_EQ(gridbasecolour(43, 3, 31, 32, 28), 0x80A080u);
    EXPECT_EQ(gridbasecolour(43, 3, 27, 32, 28), 0xF0FFF0u);
    EXPECT_EQ(tablebasecolour(1), 0xF0F0FFu);
    EXPECT_EQ(tablebasecolour(0), 0xFFFFFFu);
}
