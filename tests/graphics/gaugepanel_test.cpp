#include "core/colours.h"
#include "core/editorstate.h"
#include "core/livedata.h"
#include "core/prefs.h"
#include "editor/panellayout.h"
#include "graphics/gaugefaces.h"
#include "graphics/gaugeneedles.h"
#include "graphics/gaugepanel.h"
#include "platform/canvasimage.h"
#include "platform/canvasrecorder.h"

#include <QLocale>
#include <gtest/gtest.h>

using namespace korvane;

namespace {
constexpr uint32_t cyan = 0xFFFF00, orange = 0x2090F0, red = 0x0000FF;

// Number mode, live values that exercise every cell, the gauge row narrow.
class GaugePanel : public ::testing::Test {
  protected:
    RecordingCanvas panel, gauges;
    void SetUp() override
    {
        QLocale::setDefault(QLocale::c());
        const int16_t values[livecount] = {25, 80, 200, 1500, 100, 88, 120, 200, 147,
                                           12, 200, 45, 100, 120, 140, 120, 90};
        std::copy(values, values + livecount, livevals);
        std::fill(livepeaks, livepeaks + livecount, int16_t(0));
        prefs[0] = prefs[5] = prefoff;
        panelhold = 0;
        colours[4] = cyan;
        vctview = 0;
        widegauges = 0;
    }
    void TearDown() override { QLocale::setDefault(QLocale::c()); }

    std::vector<Drawn> of(const RecordingCanvas &pic, Drawn::Kind kind) const
    {
        std::vector<Drawn> found;
        for (const Drawn &d : pic.drawn)
            if (d.kind == kind) found.push_back(d);
        return found;
    }
    // The bar of panel row r (left or right half).
    Drawn bar(int row, bool right = false) const
    {
        for (const Drawn &d : panel.drawn)
            if (d.kind == Drawn::box && d.y1 == (24 * row + 170) * 15 && (d.x1 == 1590) == right)
                return d;
        return Drawn{};
    }
};
} // namespace

TEST_F(GaugePanel, WritesEveryValueInTheUsersNumberFormat) {
    const char *c[14] = {"25", "7.500", "40", "88", "0.5", "0.8", "14.7",
                         "12", "14.0", "25", "80", "-4", "6", "47"};
    const char *comma[14] = {"25", "7,500", "40", "88", "0,5", "0,8", "14,7",
                             "12", "14,0", "25", "80", "-4", "6", "47"};
    const int x[14] = {1245, 1045, 1245, 1245, 870, 1645, 1245, 1245, 1145, 1245, 1245, 870, 1645, 1245};
    const int row[14] = {0, 1, 2, 3, 4, 4, 5, 6, 7, 8, 9, 10, 10, 11};
    for (const char *const *expected : {c, comma}) {
        if (expected == comma) QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        panel.drawn.clear();
        paneldraw(panel, gauges);
        const std::vector<Drawn> texts = of(panel, Drawn::text);
        ASSERT_EQ(texts.size(), 14u + 2); // and the load readout: "+ " and its psi
        for (int i = 0; i < 14; ++i) {
            EXPECT_EQ(texts[i].string, expected[i]) << i;
            EXPECT_EQ(texts[i].x1, x[i]) << i;
            EXPECT_EQ(texts[i].y1, 2340 + 360 * row[i]) << i;
            EXPECT_EQ(texts[i].colour, cyan);
        }
        EXPECT_EQ(texts[15].string, expected == c ? "11.4" : "11,4");
    }
}

TEST_F(GaugePanel, LimitsTheBarsAndShowsHeatAndLeanMixtureInRed) {
    prefs[5] = prefon;
    livevals[liveadvance] = 255; // far beyond the scale: stops at its end
    livevals[liveafr] = 152;
    livevals[liveairtemp] = 121;
    livevals[livecoolant] = 120;
    livevals[livetrimleft] = 0; // stored back clamped to the trim range
    paneldraw(panel, gauges);
    EXPECT_EQ(livevals[livetrimleft], 104);
    // Every bar's end and colour: the right halves of O2 and trim start at 1590.
    struct End { int row; bool right; int x2; uint32_t colour; };
    const End ends[14] = {
        {0, false, 790 + 1380, cyan}, {1, false, 1300, cyan},        {2, false, 1290, cyan},
        {3, false, 1230, cyan},       {4, false, 1054, cyan},        {4, true, 2040, cyan},
        {5, false, 1497, red},        {6, false, 1414, cyan},        {7, false, 1350, cyan},
        {8, false, 2103, red},        {9, false, 2090, cyan},        {10, false, 790 + 80, cyan},
        {10, true, 1600 + 404, cyan}, {11, false, 800 + 648, cyan}};
    for (const End &e : ends) {
        EXPECT_EQ(bar(e.row, e.right).x1, e.right ? 1590 : 780) << e.row;
        EXPECT_EQ(bar(e.row, e.right).x2, e.x2) << e.row << " right " << e.right;
        EXPECT_EQ(bar(e.row, e.right).colour, e.colour) << e.row;
    }

    panel.drawn.clear();
    livevals[liveafr] = 99; // rich beyond the scale: no bar
    livevals[liveairtemp] = 120;
    livevals[livecoolant] = 121;
    livevals[liveadvance] = 20;
    livepeaks[liveafr] = livepeaks[liveairtemp] = livepeaks[liveadvance] = 0;
    paneldraw(panel, gauges);
    EXPECT_EQ(bar(5).x2, 790);
    EXPECT_EQ(bar(5).colour, cyan);
    EXPECT_EQ(bar(8).colour, cyan);
    EXPECT_EQ(bar(9).colour, red);
    EXPECT_EQ(bar(0).x2, 790 + 540); // 27 twips a degree
}

TEST_F(GaugePanel, HoldShowsPeaksFromThePressAndResetRepaintsInCyan) {
    std::fill(livepeaks, livepeaks + livecount, int16_t(50));
    holdpeaks();
    EXPECT_EQ(colours[4], orange);
    EXPECT_EQ(livepeaks[1], 50); // engine speed and knock are no panel cells
    EXPECT_EQ(livepeaks[16], 50);
    EXPECT_EQ(livepeaks[0], 0);
    EXPECT_EQ(livepeaks[15], 0);
    livevals[liveadvance] = 30;
    paneldraw(panel, gauges);
    livevals[liveadvance] = 10;
    panel.drawn.clear();
    paneldraw(panel, gauges);
    EXPECT_EQ(of(panel, Drawn::text)[0].string, "30");
    EXPECT_EQ(of(panel, Drawn::text)[0].colour, orange);

    panel.drawn.clear();
    resetpeaks(panel, gauges); // number mode: no repaint
    EXPECT_TRUE(panel.drawn.empty());
    EXPECT_EQ(livepeaks[0], 0);
    holdpeaks();
    prefs[5] = prefon;
    resetpeaks(panel, gauges);
    EXPECT_EQ(panelhold, 0);
    EXPECT_EQ(bar(0).colour, cyan);

    // The cam-timing research view has the screen: nothing drawn, no peak taken.
    panel.drawn.clear();
    vctview = 5;
    livevals[liveadvance] = 40;
    paneldraw(panel, gauges);
    EXPECT_TRUE(panel.drawn.empty());
    EXPECT_EQ(livepeaks[liveadvance], 10);
}

TEST_F(GaugePanel, PointsTheNeedlesAndReadsTheLoad) {
    paneldraw(panel, gauges);
    ASSERT_EQ(of(panel, Drawn::line).size(), 1u); // number mode draws no line but the needle
    // Atmospheric points straight up; under vacuum the needle starts 20 twips left of the hub.
    struct Load { int load; bool metric; const char *text; double x1, x2, y2; };
    const Load loads[] = {
        {178, true, "101", 1120, 1120, 460},     {178, false, "+ 0.0", 1120, 1120, 460},
        {177, true, "101", 1100, 1096.5, 460.6}, {177, false, "- 4", 1100, 1122.4, 460.0},
        {200, true, "180", 1120, 1394.1, 548.2}, {200, false, "+ 11.4", 1120, 1494.4, 645.8},
        {100, true, "57", 1100, 655.6, 857.9},   {100, false, "- 332", 1100, 671.4, 789.9},
        {173, true, "98", 1100, 1063.3, 463.4},  {230, true, "287", 1120, 1587.7, 883.5}};
    for (const Load &c : loads) {
        livevals[liveloadvalue] = int16_t(c.load);
        prefs[0] = c.metric ? prefon : prefoff;
        panel.drawn.clear();
        drawgauges(panel, gauges);
        QString text;
        for (const Drawn &d : of(panel, Drawn::text)) {
            text += d.string;
            EXPECT_EQ(d.colour, c.load < 178 ? 0x00FF00u : 0x00FFFFu); // vacuum green, boost yellow
        }
        EXPECT_EQ(text, c.text) << c.load << " metric " << c.metric;
        const std::vector<Drawn> lines = of(panel, Drawn::line);
        ASSERT_EQ(lines.size(), 1u);
        EXPECT_EQ(lines[0].colour, red);
        EXPECT_EQ(lines[0].x1, c.x1) << c.load;
        EXPECT_NEAR(lines[0].x2, c.x2, 0.1) << c.load << " metric " << c.metric;
        EXPECT_NEAR(lines[0].y2, c.y2, 0.1) << c.load << " metric " << c.metric;
    }

    // Narrow window: the gauge row is only cleared, even at exactly 15000 twips.
    gauges.drawn.clear();
    panelpicreset(panel, gauges);
    ASSERT_EQ(gauges.drawn.size(), 5u);
    EXPECT_EQ(gauges.drawn[0].x2, 15000);

    widegauges = 255;
    livevals[liveknock] = 255;
    livevals[livecoolant] = 200;
    gauges.drawn.clear();
    drawgauges(panel, gauges);
    EXPECT_EQ(livevals[livecoolant], 130);
    const std::vector<Drawn> boxes = of(gauges, Drawn::box);
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[1].x2, 1810); // inside the knock bar's black box
    EXPECT_EQ(boxes[1].colour, 0x00FFFFu); // yellow
    // Advance 25, duty 100, engine speed 80, coolant 130, TPS 120, each from its own hub.
    const double ends[5][3] = {{1570, 1375.8, 462.0}, {4240, 3902.3, 563.1}, {6880, 6555.9, 549.6},
                               {9530, 9703.5, 1326.8}, {12180, 11957.3, 476.1}};
    const std::vector<Drawn> needles = of(gauges, Drawn::line);
    ASSERT_EQ(needles.size(), 5u);
    for (int g = 0; g < 5; ++g) {
        EXPECT_EQ(needles[g].x1, ends[g][0]);
        EXPECT_EQ(needles[g].colour, red);
        EXPECT_NEAR(needles[g].x2, ends[g][1], 0.1) << "gauge " << g + 2;
        EXPECT_NEAR(needles[g].y2, ends[g][2], 0.1) << "gauge " << g + 2;
    }
}

TEST_F(GaugePanel, ErasesTheThreeOClockLineInsideTheFace) {
    widegauges = 255;
    ImageCanvas row(QSize(1000, 200));
    paintanaloggauge(1570, 890, 2, row);
    EXPECT_EQ(row.image().pixelColor((1570 + 400) / 15, 890 / 15), QColor(0xEC, 0xDF, 0xE7));
    EXPECT_EQ(row.image().pixelColor((1570 + 820) / 15, 890 / 15), QColor(0x9A, 0x12, 0x12)); // the tick
}
