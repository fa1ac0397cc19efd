#include "gridfixture.h"

using namespace korvane;
using korvane::test::GridTest;

TEST_F(GridTest, TheCursorTintComesFirstInAWholePassAndYellowInTheNext)
{
    choose(1);
    currpm = liverpm = 5;
    curload = liveload = 6;
    cellchanged[0][9][9] = 255;
    korvane::colourmapcells(grid, 255);
    EXPECT_EQ(grid.backcolour(5, 6), halftint(colours[5]));
    EXPECT_EQ(grid.backcolour(9, 9), fifthtint(colours[5]));
    EXPECT_EQ(grid.backcolour(1, 0), rgbcolour(240, 240, 255));
    korvane::colourmapcells(grid, 0);
    EXPECT_EQ(grid.backcolour(5, 6), 0x00FFFFu);

    // Apart from the cursor, the whole pass gives the live cell the load-band tint.
    currpm = 0;
    curload = 0;
    korvane::colourmapcells(grid, 255);
    EXPECT_EQ(grid.backcolour(5, 6), halftint(colours[3]));

    // A table shows its cursor entry offline too, where no incremental pass runs.
    choose(20);
    curload = 9;
    korvane::colourmapcells(grid, 255);
    EXPECT_EQ(grid.backcolour(0, 9), halftint(colours[5]));
    EXPECT_EQ(grid.backcolour(0, 8), 0xFFFFFFu);
    EXPECT_EQ(grid.backcolour(1, 8), 0xF0F0FFu); // the rows under a table keep their stripes
}

TEST_F(GridTest, AnIncrementalPassRepaintsOnlyTheCellsWhoseRoleMoved)
{
    choose(4);
    currpm = 2;
    curload = 2;
    liverpm = 10;
    liveload = 4;
    cellchanged[3][10][4] = 255;
    korvane::colourmapcells(grid, 255);
    grid.setbackcolour(20, 1, 0x123456); // untouched by an incremental pass

    liverpm = 11;
    korvane::colourmapcells(grid, 0);
    EXPECT_EQ(grid.backcolour(10, 4), fifthtint(colours[5])); // the old live cell, changed
    EXPECT_EQ(grid.backcolour(11, 4), 0x00FFFFu);
    EXPECT_EQ(grid.backcolour(2, 2), halftint(colours[5]));
    EXPECT_EQ(grid.backcolour(20, 1), 0x123456u);

    liverpm = 13;
    korvane::colourmapcells(grid, 0);
    EXPECT_EQ(grid.backcolour(11, 4), rgbcolour(240, 240, 255)); // odd row, base colour
    EXPECT_EQ(grid.backcolour(13, 4), 0x00FFFFu);

    // The cursor leaves its cell: the old one goes back to its base colour.
    curload = 3;
    korvane::colourmapcells(grid, 0);
    EXPECT_EQ(grid.backcolour(2, 2), 0xFFFFFFu);
    EXPECT_EQ(grid.backcolour(2, 3), halftint(colours[5]));

    // A table's live entry beyond its 16 entries is ignored.
    choose(8);
    curload = 2;
    liveload = 20;
    korvane::colourmapcells(grid, 0);
    EXPECT_EQ(grid.backcolour(0, 20), 0xFFFFFFu);
    EXPECT_EQ(grid.backcolour(0, 2), halftint(colours[5]));
    liveload = 7;
    korvane::colourmapcells(grid, 0);
    EXPECT_EQ(grid.backcolour(0, 7), 0x00FFFFu);
}

TEST_F(GridTest, AGroupIsPaintedWhicheverCornerIsTheAnchor)
{
    choose(1);
    groupactive = true;
    grouprect[0] = 2; // anchor load
    grouprect[1] = 5; // anchor rpm
    grouprect[2] = 0; // moving load
    grouprect[3] = 3; // moving rpm
    currpm = 4;
    curload = 1;
    korvane::colourmapcells(grid, 0); // an active group makes every pass whole
    for (int a = 0; a < 8; ++a)
        for (int b = 0; b < 5; ++b) {
            const bool inside = a >= 3 && a <= 5 && b <= 2;
            EXPECT_EQ(grid.backcolour(a, b) == 0xA0A0A0u, inside) << a << "," << b;
        }
    entrypending = true;
    korvane::colourmapcells(grid, 0);
    EXPECT_EQ(grid.backcolour(3, 0), 0xD0D0A0u);
    EXPECT_EQ(grid.backcolour(5, 2), 0xD0D0A0u);
    EXPECT_EQ(grid.backcolour(2, 0), 0xFFFFFFu);
}

TEST_F(GridTest, KnockTextOnlyOnTheSparkMapsAndVisitMarksOnlyOnUsedCells)
{
    sparktrace[5][5] = 0x0000FF;
    fueltrace[6][6] = 0x00FF00;
    for (int map = 1; map <= 7; ++map) {
        choose(map);
        const bool spark = map >= 4;
        EXPECT_EQ(grid.textcolour(5, 5), spark ? 0x0000FFu : 0u) << "map " << map;
        EXPECT_TRUE(grid.marked(6, 6)) << "map " << map;
        EXPECT_FALSE(grid.marked(5, 5)) << "map " << map;
    }

    // The live loop marks the live cell as the poll fills the traces.
    choose(2);
    liverpm = liveload = 5;
    korvane::colourmapcells(grid, 0);
    EXPECT_EQ(grid.textcolour(5, 5), 0u);
    choose(6);
    sparktrace[7][8] = 0x0000FF;
    liverpm = 7;
    liveload = 8;
    korvane::colourmapcells(grid, 0);
    EXPECT_EQ(grid.textcolour(7, 8), 0x0000FFu);

    // A 24 x 24 map's trace past its own cells is never shown on the blank cells.
    for (int a = 0; a < 32; ++a)
        for (int b = 0; b < 32; ++b) visittrace[0][a][b] = a < 24 && b < 24 ? colours[1] : 0;
    visittrace[0][3][4] = 0;
    choose(40);
    korvane::colourmapcells(grid, 0);
    for (int a = 0; a < 32; ++a)
        for (int b = 0; b < 32; ++b)
            ASSERT_EQ(grid.marked(a, b), a == 3 && b == 4) << a << "," << b;
    EXPECT_EQ(grid.textcolour(5, 5), 0u); // the spark map's knock text is gone
}

TEST_F(GridTest, ClearingMarksKeepsTheBackgrounds)
{
    fueltrace[1][1] = 0;
    sparktrace[2][2] = 0;
    choose(4);
    const uint32_t background = grid.backcolour(1, 1);
    ASSERT_TRUE(grid.marked(1, 1));
    ASSERT_EQ(grid.textcolour(2, 2), 0x0000FFu);
    clearcellmarks(grid);
    EXPECT_FALSE(grid.marked(1, 1));
    EXPECT_EQ(grid.textcolour(2, 2), 0u);
    EXPECT_EQ(grid.backcolour(1, 1), background);
}

TEST_F(GridTest, CellsPastTheUsedSitesAreGreyed)
{
    curimage.settings[6][9] = 255; // the tenth rpm increment ends the rpm sites
    curimage.settings[5][11] = 255; // load increment 28
    makeaxislabels();
    ASSERT_EQ(rpmsites, 10);
    ASSERT_EQ(loadsites, 28);
    choose(4);
    EXPECT_EQ(grid.backcolour(12, 3), 0x808080u);
    EXPECT_EQ(grid.backcolour(11, 3), 0xA08080u);
    EXPECT_EQ(grid.backcolour(9, 3), 0xFFF0F0u);
    EXPECT_EQ(grid.backcolour(4, 29), 0x808080u);
    choose(41);
    EXPECT_EQ(grid.backcolour(12, 3), 0xFFFFFFu);
    EXPECT_EQ(grid.backcolour(11, 3), 0xF0FFF0u);
    choose(43);
    EXPECT_EQ(grid.backcolour(2, 28), 0x808080u);
    EXPECT_EQ(grid.backcolour(3, 31), 0x80A080u);
}
