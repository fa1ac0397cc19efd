#include "core/linestate.h"
#include "core/editorstate.h"
#include "core/flags.h"
#include "core/prefs.h"
#include "editor/selectmap.h"

#include <QStringList>
#include <gtest/gtest.h>

using namespace korvane;

namespace {

// Records each step of a map switch with the trim step and group state it saw.
class RecordingView : public mapview {
  public:
    QStringList steps;
    int16_t stepatshowstep = 0;
    bool groupatsetaxes = true;

    void setmapaxes() override
    {
        groupatsetaxes = groupactive;
        steps << "setmapaxes";
    }
    void showmapvalues() override { steps << "showmapvalues"; }
    void colourmapcells() override { steps << "colourmapcells"; }
    void scrolltotopleft() override { steps << "scrolltotopleft"; }
    void showstep() override
    {
        stepatshowstep = trimstep;
        steps << "showstep";
    }
    void setholdcaptions() override { steps << "setholdcaptions"; }
    void drawmap() override { steps << "drawmap"; }
};

class SelectMap : public ::testing::Test {
  protected:
    RecordingView view;
    void SetUp() override
    {
        std::fill(std::begin(prefs), std::end(prefs), prefoff);
        resetlinestate();
        editready = flagset;
        setmapview(&view);
    }
    void TearDown() override
    {
        setmapview(nullptr);
        resetlinestate();
        std::fill(std::begin(prefs), std::end(prefs), prefoff);
    }
};

} // namespace

TEST_F(SelectMap, ResetsTheMapStateThenRedrawsTheWindowInOrder)
{
    curmap = 5;
    currpm = 7;
    curload = 9;
    groupactive = true;
    entrypending = true;
    vctview = 6;
    vctindex = 420;
    pollphase = 2;
    prefs[18] = prefon;

    selectmap();

    EXPECT_EQ(view.steps, QStringList({"setmapaxes", "showmapvalues", "colourmapcells",
                                       "scrolltotopleft", "showstep", "setholdcaptions",
                                       "drawmap"}));
    EXPECT_FALSE(view.groupatsetaxes);
    EXPECT_EQ(view.stepatshowstep, 2);
    EXPECT_EQ(vctview, 0);
    EXPECT_EQ(vctindex, 0);
    EXPECT_EQ(pollphase, 0);
    EXPECT_EQ(editready, flagset); // offline the live loop keeps it
    // The map, the cursor and a pending entry belong to the callers.
    EXPECT_EQ(curmap, 5);
    EXPECT_EQ(currpm, 7);
    EXPECT_EQ(curload, 9);
    EXPECT_TRUE(entrypending);
    entrypending = false;
}

TEST_F(SelectMap, TrimStepFollowsTheMapsPreference)
{
    curmap = 1;
    prefs[14] = prefon;
    selectmap();
    EXPECT_EQ(trimstep, 10);
    prefs[14] = prefoff;
    selectmap();
    EXPECT_EQ(trimstep, 1);

    std::fill(std::begin(prefs), std::end(prefs), prefon);
    curmap = 8;
    selectmap();
    EXPECT_EQ(trimstep, 1);
}

TEST_F(SelectMap, OnlineEditsWaitForTheNextCellQuery)
{
    goonline();
    curmap = 43;
    selectmap();
    EXPECT_EQ(editready, 0);
}

TEST_F(SelectMap, WithoutTheMainWindowOnlyTheStateIsReset)
{
    setmapview(nullptr);
    curmap = 3;
    groupactive = true;
    prefs[16] = prefon;
    selectmap();
    EXPECT_FALSE(groupactive);
    EXPECT_EQ(trimstep, 2);
    EXPECT_TRUE(view.steps.isEmpty());
}
