#include "drawfixture.h"
#include "graphics/projection.h"
#include "graphics/threedraw.h"

using namespace korvane;
using namespace korvane::test;

using ThreeDraw = DrawTest;

TEST_F(ThreeDraw, ProjectsTheFloorAtTheStartUpView) {
    loadrotcartesians();
    // The grid turned by 45/114 - 1.2 radians about (2860, 1940), squeezed by 0.26.
    EXPECT_EQ(gridx32[0][0], 2912);
    EXPECT_EQ(gridy32[0][0], 4568);
    EXPECT_EQ(gridx32[31][0], 5329);
    EXPECT_EQ(gridy32[31][0], 3914);
    EXPECT_EQ(gridx32[0][31], 398);
    EXPECT_EQ(gridy32[0][31], 3940);
    EXPECT_EQ(gridx32[31][31], 2814);
    EXPECT_EQ(gridy32[31][31], 3286);
    EXPECT_EQ(gridx24[23][23], 3220);
    EXPECT_EQ(gridy24[23][23], 4034);

    // No sites in use yet: drawn as one site, not divided by zero.
    rpmsites = loadsites = 1;
    loadrotcartesians();
    const int32_t onesite = gridx32[31][31];
    rpmsites = loadsites = 0;
    loadrotcartesians();
    EXPECT_EQ(gridx32[31][31], onesite);
}

TEST_F(ThreeDraw, StandsTheFrameBehindTheSurfaceAndDrawsEveryMeshSegment) {
    curimage.fuelmap[0][0] = 500;
    currpm = curload = 10;
    liverpm = liveload = 5;
    const std::pair<double, int> framelines[] = {{136, 7}, {137, 5}, {138, 7},
                                                 {316, 7}, {317, 3}, {318, 6}};
    for (auto [rot, expected] : framelines) {
        viewrot = rot;
        loadrotcartesians();
        pic.drawn.clear();
        ThreeDraw32(pic);
        // The mesh starts with the segment from cell (0, 0) to (0, 1).
        const auto first = std::find_if(pic.drawn.begin(), pic.drawn.end(), [](const Drawn &d) {
            return d.kind == Drawn::line && d.y1 == gridy32[0][0] - 250 && d.y2 == projy32[0][1];
        });
        const int frame = int(first - pic.drawn.begin()) - 1;
        EXPECT_EQ(frame, expected) << rot;
        const bool captions = rot <= 137;
        // Clear, frame, 1984 mesh segments, four bands of 31, two markers, the captions.
        EXPECT_EQ(pic.drawn.size(), 1 + frame + 1984 + 124 + 2 + (captions ? 8 : 0)) << rot;
        EXPECT_EQ(pic.drawn[0].kind, Drawn::clear);
        EXPECT_EQ(pic.drawn[0].colour, background);
    }
}

TEST_F(ThreeDraw, HighlightsFromTheFirstCellToTheLiveCell) {
    loadrotcartesians();
    ThreeDraw32(pic);
    EXPECT_TRUE(lines(highlight).empty());

    pic.drawn.clear();
    liverpm = liveload = 40; // beyond the grid: stored back at its edge
    ThreeDraw32(pic);
    EXPECT_EQ(liverpm, 31);
    EXPECT_EQ(liveload, 31);
    EXPECT_EQ(lines(highlight).size(), 1984u);

    // Sites beyond the 20th are blended; the used ones show the trace.
    pic.drawn.clear();
    liverpm = liveload = 0;
    rpmsites = 20;
    loadrotcartesians();
    ThreeDraw32(pic);
    EXPECT_EQ(lines(trace).size(), 20u * 31 + 19 * 32);
}

TEST_F(ThreeDraw, DrawsTheFixedGridWithinItsBoundsAndLeavesMap40ToTheCamTimingView) {
    loadrotcartesians();
    curmap = 41;
    curimage.pwmmaps[24][0] = 100;
    currpm = curload = 31; // left from a 32 x 32 map
    liverpm = liveload = 30;
    threedraw24(pic);
    EXPECT_EQ(liverpm, 23);
    EXPECT_EQ(liveload, 23);
    EXPECT_EQ(projy24[0][0], 5000 - 300);
    EXPECT_EQ(lines(highlight).size(), 4u + 23 * 24 * 2);

    int views = 0;
    camtimingview() = [&views](Canvas &) { ++views; };
    curmap = 40;
    online = flagset;
    curimage.settings[13][11] = 1;
    vctview = 5;
    pic.drawn.clear();
    threedraw24(pic);
    EXPECT_EQ(views, 1);
    EXPECT_EQ(pic.drawn.size(), 1u); // the top strip cleared, the rest is the view's
    vctview = 4;
    threedraw24(pic);
    EXPECT_EQ(views, 2);
    EXPECT_GT(pic.drawn.size(), 1104u);
    camtimingview() = nullptr;
}
