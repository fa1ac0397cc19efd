#include "platform/colour.h"
#include "platform/mapgrid.h"

#include <QKeyEvent>
#include <QTest>
#include <gtest/gtest.h>

using namespace korvane;

namespace {
// A 32 x 32 grid shown at a size that leaves part of it out of view, with the focus.
struct ShownGrid {
    MapGrid grid;
    std::vector<int> keys;
    ShownGrid()
    {
        grid.setgridsize(32, 32);
        grid.setcellsize(20, 60);
        grid.resize(72 + 6 * 60 + 30, 30 + 10 * 20 + 30);
        grid.setkeyhandler([this](QKeyEvent &event) { keys.push_back(event.key()); });
        grid.show();
        grid.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&grid));
        grid.setFocus();
    }
};
} // namespace

TEST(MapGrid, EveryKeyGoesToTheProgramAndNothingMovesByItself)
{
    ShownGrid shown;
    MapGrid &grid = shown.grid;
    grid.setcurrentcell(3, 4);
    const int firstrow = grid.firstvisiblerow(), firstcolumn = grid.firstvisiblecolumn();
    for (Qt::Key key : {Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_Right, Qt::Key_Down, Qt::Key_PageDown,
                        Qt::Key_End, Qt::Key_Return, Qt::Key_Space, Qt::Key_F2, Qt::Key_A})
        QTest::keyClick(&grid, key);
    EXPECT_EQ(shown.keys.size(), 10u);
    EXPECT_EQ(shown.keys.front(), Qt::Key_Tab);
    EXPECT_EQ(grid.currentrow(), 3);
    EXPECT_EQ(grid.currentcolumn(), 4);
    EXPECT_EQ(grid.firstvisiblerow(), firstrow);
    EXPECT_EQ(grid.firstvisiblecolumn(), firstcolumn);
    EXPECT_TRUE(grid.hasFocus());
    EXPECT_EQ(grid.text(3, 4), QString());

    // A click takes the focus but leaves the current cell where the program put it.
    const QRect target = grid.visualRect(grid.model()->index(1, 1));
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, target.center());
    EXPECT_EQ(grid.currentrow(), 3);
    EXPECT_EQ(grid.currentcolumn(), 4);
}

TEST(MapGrid, SettingTheCurrentCellNeverScrollsAndTheViewMovesOnlyWhenTold)
{
    ShownGrid shown;
    MapGrid &grid = shown.grid;
    grid.setcurrentcell(25, 30);
    EXPECT_EQ(grid.firstvisiblerow(), 0);
    EXPECT_EQ(grid.firstvisiblecolumn(), 0);

    grid.setlastvisiblecolumn(30);
    EXPECT_GE(grid.lastvisiblecolumn(), 30);
    EXPECT_LE(grid.firstvisiblecolumn(), 30);
    // Column 30 is shown whole: its right edge lies inside the viewport.
    const QRect cell = grid.visualRect(grid.model()->index(0, 30));
    EXPECT_LE(cell.right(), grid.viewport()->width());
    EXPECT_GE(cell.left(), 0);

    grid.setlastvisiblerow(25);
    EXPECT_GE(grid.lastvisiblerow(), 25);
    EXPECT_LE(grid.firstvisiblerow(), 25);
    EXPECT_LE(grid.visualRect(grid.model()->index(25, 0)).bottom(), grid.viewport()->height());

    grid.setfirstvisiblerow(0);
    grid.setfirstvisiblecolumn(2);
    EXPECT_EQ(grid.firstvisiblerow(), 0);
    EXPECT_EQ(grid.firstvisiblecolumn(), 2);
    EXPECT_EQ(grid.currentrow(), 25);
}

TEST(MapGrid, CellsHeadersAndCornerHoldTheirRoles)
{
    ShownGrid shown;
    MapGrid &grid = shown.grid;
    grid.settext(-1, -1, "degrees");
    grid.settext(-1, 3, "2400 RPM");
    grid.settext(7, -1, "3500 rpm");
    grid.settext(7, 3, "12.5");
    EXPECT_EQ(grid.text(-1, -1), "degrees");
    EXPECT_EQ(grid.text(-1, 3), "2400 RPM");
    EXPECT_EQ(grid.text(7, -1), "3500 rpm");
    EXPECT_EQ(grid.text(7, 3), "12.5");
    EXPECT_EQ(grid.text(32, 0), QString());
    grid.settext(-2, 40, "ignored");

    const uint32_t paleblue = rgbcolour(240, 240, 255);
    grid.setbackcolour(7, 3, paleblue);
    grid.settextcolour(7, 3, rgbcolour(255, 0, 0));
    grid.settextcolour(-1, 3, rgbcolour(176, 176, 176));
    grid.setmark(7, 3, true);
    EXPECT_EQ(grid.backcolour(7, 3), paleblue);
    EXPECT_EQ(grid.textcolour(7, 3), rgbcolour(255, 0, 0));
    EXPECT_EQ(grid.textcolour(-1, 3), rgbcolour(176, 176, 176));
    EXPECT_TRUE(grid.marked(7, 3));
    grid.setmark(7, 3, false);
    EXPECT_FALSE(grid.marked(7, 3));
    EXPECT_EQ(grid.textcolour(0, 0), 0u);
}

TEST(MapGrid, RedrawOffNeitherHidesTheGridNorTakesItsFocus)
{
    ShownGrid shown;
    MapGrid &grid = shown.grid;
    ASSERT_TRUE(grid.hasFocus());
    grid.setredraw(false);
    grid.settext(0, 0, "1");
    EXPECT_TRUE(grid.isVisible());
    EXPECT_TRUE(grid.hasFocus());
    grid.setredraw(true);
    EXPECT_TRUE(grid.hasFocus());
    EXPECT_TRUE(grid.updatesEnabled());
}
