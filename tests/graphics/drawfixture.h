#pragma once
#include "core/linestate.h"
#include "core/calimage.h"
#include "core/colours.h"
#include "core/editorstate.h"
#include "core/flags.h"
#include "core/livecell.h"
#include "core/livedata.h"
#include "editor/axislabels.h"
#include "editor/viewangles.h"
#include "platform/canvasrecorder.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>

namespace korvane::test {

// A blank image at the start-up view, every colour of the drawings told apart, the cursor
// and the live cell at (0, 0), drawn into a recorder.
class DrawTest : public ::testing::Test {
  protected:
    RecordingCanvas pic;
    static constexpr uint32_t background = 0x010101, wire = 0x020202, rpmband = 0x030303,
                              mapband = 0x040404, trimband = 0x050505, highlight = 0x060606,
                              blend = 0x070707, trace = 0x080808;

    void SetUp() override
    {
        curimage = calimage{};
        const uint32_t set[8] = {background, wire, rpmband, mapband, 0, trimband, highlight, blend};
        std::copy(set, set + 8, colours);
        resettraces(trace);
        rpmsites = loadsites = 32;
        viewrot = 45, viewtilt = 9;
        curmap = 1;
        currpm = curload = liverpm = liveload = 0;
        groupactive = false;
        resetlinestate();
        vctview = 0;
    }

    std::vector<Drawn> lines(uint32_t colour) const
    {
        std::vector<Drawn> found;
        for (const Drawn &d : pic.drawn)
            if (d.kind == Drawn::line && d.colour == colour) found.push_back(d);
        return found;
    }
    // The colours of the first count lines after the clear (the frame): W wire, B blend.
    std::string framecolours(int count) const
    {
        std::string seen;
        for (int k = 1; k <= count; ++k)
            seen += pic.drawn[k].colour == wire ? 'W' : pic.drawn[k].colour == blend ? 'B' : '?';
        return seen;
    }
};

} // namespace korvane::test
