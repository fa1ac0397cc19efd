#pragma once
#include "core/linestate.h"
#include "core/calimage.h"
#include "core/colours.h"
#include "core/editorstate.h"
#include "core/flags.h"
#include "core/livecell.h"
#include "core/prefs.h"
#include "editor/axislabels.h"
#include "editor/cellcolours.h"
#include "editor/colourmapcells.h"
#include "editor/gridaxes.h"
#include "editor/gridscroll.h"
#include "editor/selectmap.h"
#include "editor/showmapvalues.h"
#include "platform/mapgrid.h"

#include <QLocale>
#include <QTest>
#include <algorithm>
#include <gtest/gtest.h>

namespace korvane::test {

// The colour every trace element holds when the cell was never visited.
constexpr uint32_t wirecolour = 0x00C08040;

// A shown map grid with the focus, behind the real map switch, on a blank image with no
// cursor, live cell, group or trace anywhere interesting.
class GridTest : public ::testing::Test, public mapview {
  protected:
    MapGrid grid;
    QLocale savedlocale;

    void SetUp() override
    {
        QLocale::setDefault(QLocale::c());
        curimage = calimage{};
        clearchanged();
        colours[1] = wirecolour;
        colours[3] = rgbcolour(0, 0, 255);
        colours[5] = rgbcolour(255, 0, 0);
        resettraces();
        std::fill(std::begin(prefs), std::end(prefs), prefoff);
        resetlinestate();
        curmap = 1;
        currpm = curload = 0;
        liverpm = liveload = 0;
        groupactive = false;
        std::fill(std::begin(grouprect), std::end(grouprect), 0);
        entrypending = false;
        vctspread = 0;
        makeaxislabels();
        initmapgrid(grid);
        // Room for about 6 columns and 12 rows: most of a 32 x 32 map lies out of view.
        grid.resize(72 + 6 * 60 + 40, 30 + 12 * 20 + 40);
        grid.show();
        grid.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&grid));
        grid.setFocus();
        setmapview(this);
    }
    void TearDown() override
    {
        setmapview(nullptr);
        std::fill(std::begin(prefs), std::end(prefs), prefoff);
        QLocale::setDefault(savedlocale);
    }

    static void resettraces()
    {
        for (int a = 0; a < 32; ++a)
            for (int b = 0; b < 32; ++b) {
                fueltrace[a][b] = sparktrace[a][b] = colours[1];
                for (auto &trace : visittrace) trace[a][b] = colours[1];
            }
    }

    // Switches the grid to a map as the Select menu does.
    void choose(int map)
    {
        curmap = uint8_t(map);
        currpm = curload = 0;
        selectmap();
    }

    void setmapaxes() override { korvane::setmapaxes(grid); }
    void showmapvalues() override { korvane::showmapvalues(grid, 255); }
    void colourmapcells() override { korvane::colourmapcells(grid, 255); }
    void scrolltotopleft() override { scrolltocell(grid, true); }
    void showstep() override {}
    void setholdcaptions() override {}
    void drawmap() override {}
};

} // namespace korvane::test
