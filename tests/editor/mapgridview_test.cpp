#include "gridfixture.h"

#include <QFontMetrics>
#include <QLabel>

using namespace korvane;
using korvane::test::GridTest;

namespace {
// True when no data cell or header outside rows x columns holds anything but a blank.
bool blankbeyond(const MapGrid &grid, int rows, int columns)
{
    for (int r = -1; r < 32; ++r)
        for (int c = -1; c < 32; ++c) {
            const bool header = r == -1 || c == -1;
            if (header || (r < rows && c < columns)) continue;
            if (grid.text(r, c) != " ") return false;
        }
    return true;
}
} // namespace

// Every label shows whole, or cut after its number and unit, inside its column or the corner.
TEST_F(GridTest, EveryHeaderFitsItsColumnAndKeepsItsText)
{
    // The widest load labels: every increment 254, up to "142.3 psi" and "1069 kPa".
    for (int k = 0; k < 31; ++k) curimage.settings[4 + k / 16][k % 16] = 254;
    for (int16_t metric : {prefoff, prefon}) {
        prefs[0] = metric;
        makeaxislabels();
        for (int map = 1; map <= 43; ++map) {
            choose(map);
            for (int c = 0; c < 32; ++c) {
                const QTableWidgetItem *label = grid.horizontalHeaderItem(c);
                const QString shown = label->text(), full = grid.text(-1, c);
                const QFontMetrics metrics(label->font());
                EXPECT_LE(metrics.horizontalAdvance(shown), grid.columnWidth(c) - 6)
                    << "map " << map << " column " << c;
                EXPECT_TRUE(full.startsWith(shown.chopped(shown.endsWith(QChar(0x2026)) ? 1 : 0)));
                // "12 deg." of "12 deg. retard", "gear 16", "142.3 psi": never "12 …".
                EXPECT_TRUE(shown.startsWith(full.section(' ', 0, 1)))
                    << "map " << map << " column " << c << ": " << qPrintable(shown);
            }
            const auto *corner = grid.findChild<QLabel *>();
            const QFontMetrics metrics(corner->font());
            EXPECT_LE(metrics.horizontalAdvance(corner->text()), corner->width());
        }
    }
    EXPECT_EQ(loadlabels[31], "1069 kPa");
    choose(27);
    EXPECT_EQ(grid.text(-1, 12), "12 deg. retard");
    EXPECT_TRUE(grid.horizontalHeaderItem(12)->text().startsWith("12 "));
}

TEST_F(GridTest, HeadersOfATableAndOfAPwmMap)
{
    choose(12);
    EXPECT_EQ(grid.text(-1, -1), "degrees");
    for (int i = 0; i < 16; ++i) EXPECT_EQ(grid.text(-1, i), QString::number(800 * i) + " RPM");
    for (int i = 16; i < 32; ++i) EXPECT_EQ(grid.text(-1, i), " ");
    for (int r = 0; r < 32; ++r) EXPECT_EQ(grid.text(r, -1), " ");
    EXPECT_TRUE(blankbeyond(grid, 1, 16));

    choose(41);
    EXPECT_EQ(grid.text(-1, -1), " ");
    EXPECT_EQ(grid.text(0, -1), "0% X");
    EXPECT_EQ(grid.text(2, -1), "9% X");
    EXPECT_EQ(grid.text(23, -1), "99% X");
    EXPECT_EQ(grid.text(-1, 23), "99% Y");
    for (int k = 24; k < 32; ++k) {
        EXPECT_EQ(grid.text(k, -1), " ");
        EXPECT_EQ(grid.text(-1, k), " ");
    }
    EXPECT_TRUE(blankbeyond(grid, 24, 24));
}

// The values land in the cells the image holds them for, on the inverted map 28 as well.
TEST_F(GridTest, WholeAndCursorCellPassesWriteTheMapsOwnCells)
{
    curimage.rammaps[64 + 7][3] = 35;  // spark map, rpm 7, load 3
    curimage.settings[28 + 8][4] = 250; // closed loop limit, entry 4
    curimage.pwmmaps[24 + 3][5] = 3;   // map 41, x 3, y 5
    choose(4);
    EXPECT_EQ(grid.text(7, 3), "35");
    EXPECT_EQ(grid.text(31, 31), "0");
    grid.setcurrentcell(9, 9);
    korvane::showmapvalues(grid, 255);
    EXPECT_EQ(grid.currentrow(), 9); // the spark map's pass leaves the current cell alone

    choose(28);
    EXPECT_EQ(grid.text(0, 4), "15");
    EXPECT_EQ(grid.text(0, 0), "765");
    EXPECT_EQ(grid.text(0, 16), " ");
    EXPECT_EQ(grid.text(1, 0), " ");
    EXPECT_EQ(grid.currentrow(), 0);
    EXPECT_EQ(grid.currentcolumn(), 0);

    choose(41);
    currpm = 3;
    curload = 5;
    curimage.pwmmaps[24 + 3][5] = 10;
    curimage.pwmmaps[24 + 3][6] = 10;
    korvane::showmapvalues(grid, 0);
    EXPECT_EQ(grid.text(3, 5), "4");
    EXPECT_EQ(grid.text(3, 6), "0"); // only the cursor cell was rewritten

    // A cursor left outside the map by a caller writes nothing anywhere.
    currpm = 28;
    korvane::showmapvalues(grid, 0);
    EXPECT_EQ(grid.text(28, 5), " ");
}

TEST_F(GridTest, ACommaLocaleReachesTheGrid)
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    curimage.fuelmap[2][3] = 1234;
    curimage.settings[13][11] = 0x20;
    vctspread = 45;
    curimage.pwmmaps[0][0] = 200;
    choose(1);
    EXPECT_EQ(grid.text(2, 3), "6,17");
    choose(40);
    EXPECT_EQ(grid.text(0, 0), "12,8");
}

// Switching from a spark map with every kind of mark to a table and then to a PWM map
// leaves nothing of the earlier maps behind.
TEST_F(GridTest, SwitchingMapsLeavesNoStaleHeaderTextOrColour)
{
    for (int a = 0; a < 32; ++a)
        for (int b = 0; b < 32; ++b) {
            sparktrace[a][b] = 0x0000FF;
            fueltrace[a][b] = 0x00FF00;
            cellchanged[3][a][b] = 255;
        }
    choose(4);
    currpm = curload = 30;
    liverpm = liveload = 29;
    korvane::colourmapcells(grid, 255);
    korvane::colourmapcells(grid, 0);
    ASSERT_EQ(grid.textcolour(30, 30), 0x0000FFu);
    ASSERT_TRUE(grid.marked(30, 30));
    ASSERT_EQ(grid.backcolour(29, 29), 0x00FFFFu);

    choose(11);
    korvane::colourmapcells(grid, 0); // a live-loop pass with the live cell beyond the table
    EXPECT_TRUE(blankbeyond(grid, 1, 16));
    EXPECT_EQ(grid.text(30, -1), " ");
    EXPECT_EQ(grid.text(-1, 20), " ");
    EXPECT_EQ(grid.text(-1, 6), "gear 7");
    for (int a = 0; a < 32; ++a)
        for (int b = 0; b < 32; ++b) {
            ASSERT_FALSE(grid.marked(a, b));
            ASSERT_EQ(grid.textcolour(a, b), b >= 6 ? 0xB0B0B0u : 0u);
            ASSERT_NE(grid.backcolour(a, b), 0x00FFFFu);
        }

    liverpm = liveload = 28;
    choose(41);
    korvane::colourmapcells(grid, 0);
    EXPECT_TRUE(blankbeyond(grid, 24, 24));
    EXPECT_EQ(grid.text(-1, -1), " ");
    for (int b = 0; b < 32; ++b) EXPECT_EQ(grid.textcolour(-1, b), 0u);
    for (int a = 0; a < 32; ++a)
        for (int b = 0; b < 32; ++b) {
            ASSERT_EQ(grid.textcolour(a, b), 0u) << a << "," << b;
            ASSERT_FALSE(grid.marked(a, b));
            const uint32_t expected = a == 0 && b == 0 ? halftint(colours[5])
                                                       : gridbasecolour(41, a, b, 32, 32);
            ASSERT_EQ(grid.backcolour(a, b), expected) << a << "," << b;
        }
}

TEST_F(GridTest, TheGridKeepsTheFocusThroughAMapSwitch)
{
    ASSERT_TRUE(grid.hasFocus());
    choose(43);
    EXPECT_TRUE(grid.hasFocus());
    EXPECT_TRUE(grid.isVisible());
    QWidget other;
    focusgrid(&other); // any other control is left alone
    EXPECT_TRUE(grid.hasFocus());
}

TEST_F(GridTest, LoadCentreFollowsTheLiveCellWhileTheCurrentCellStaysOnTheCursor)
{
    choose(1);
    prefs[3] = prefon;
    currpm = 2;
    curload = 3;
    liverpm = 26;
    liveload = 29;
    scrolltocell(grid, false);
    EXPECT_GE(grid.lastvisiblecolumn(), 29);
    EXPECT_LE(grid.firstvisiblecolumn(), 29);
    EXPECT_GE(grid.lastvisiblerow(), 26);
    EXPECT_LE(grid.firstvisiblerow(), 26);
    EXPECT_EQ(grid.currentrow(), 2);
    EXPECT_EQ(grid.currentcolumn(), 3);

    // "Arrow center" brings the view back to the cursor.
    prefs[3] = prefoff;
    scrolltocell(grid, false);
    EXPECT_EQ(grid.firstvisiblecolumn(), 3);
    EXPECT_EQ(grid.firstvisiblerow(), 2);

    // A live cell beyond a 24 x 24 map does not pull the view into the blank part.
    choose(40);
    prefs[3] = prefon;
    liverpm = 28;
    liveload = 30;
    scrolltocell(grid, false);
    EXPECT_EQ(grid.firstvisiblerow(), 0);
    EXPECT_EQ(grid.firstvisiblecolumn(), 0);
}

TEST_F(GridTest, TheViewMovesOnlyWhenTheTargetReachesAnEdge)
{
    choose(1);
    grid.setfirstvisiblerow(20);
    grid.setfirstvisiblecolumn(25);
    scrolltocell(grid, true);
    EXPECT_EQ(grid.firstvisiblerow(), 0);
    EXPECT_EQ(grid.firstvisiblecolumn(), 0);
    EXPECT_EQ(grid.currentrow(), 0);

    const int last = grid.lastvisiblecolumn();
    curload = uint8_t(last - 1); // strictly inside: nothing moves
    scrolltocell(grid, false);
    EXPECT_EQ(grid.firstvisiblecolumn(), 0);
    curload = 30;
    scrolltocell(grid, false);
    EXPECT_GE(grid.lastvisiblecolumn(), 30);
    const int first = grid.firstvisiblecolumn();
    curload = uint8_t(first);
    scrolltocell(grid, false);
    EXPECT_EQ(grid.firstvisiblecolumn(), first);
    EXPECT_EQ(grid.currentcolumn(), first);

    // A table always shows its one row first.
    choose(9);
    grid.setfirstvisiblerow(10);
    scrolltocell(grid, false);
    EXPECT_EQ(grid.firstvisiblerow(), 0);
}

TEST_F(GridTest, AGroupsMovingCornerPullsTheViewItsWay)
{
    choose(1);
    groupactive = true;
    // Growing right and down from the anchor: the corner becomes the last visible index.
    grouprect[0] = 2;
    grouprect[1] = 3;
    grouprect[2] = 20;
    grouprect[3] = 25;
    scrolltocell(grid, false);
    EXPECT_GE(grid.lastvisiblecolumn(), 20);
    EXPECT_GE(grid.lastvisiblerow(), 25);
    const int firstcolumn = grid.firstvisiblecolumn();
    ASSERT_GT(firstcolumn, 2);

    // Growing left from an anchor further right: past the first column it becomes the first.
    grouprect[0] = 22;
    grouprect[2] = uint8_t(firstcolumn - 2);
    scrolltocell(grid, false);
    EXPECT_EQ(grid.firstvisiblecolumn(), firstcolumn - 2);
}
