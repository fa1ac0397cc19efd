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
    // All sites in use: the frame is wire but for the empty blend edge beyond the last site.
    const std::pair<double, std::string> framelines[] = {{136, "WBWWWWW"}, {137, "WBWWW"},
                                                         {138, "WBWWWWW"}, {316, "WBWWWWW"},
                                                         {317, "WWW"},     {318, "WWWWBW"}};
    for (auto [rot, parts] : framelines) {
        const int expected = int(parts.size());
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
        EXPECT_EQ(framecolours(frame), parts) << rot;
        const bool captions = rot <= 137;
        // Clear, frame, 1984 mesh segments, four bands of 31, two markers, the captions.
        EXPECT_EQ(pic.drawn.size(), 1 + frame + 1984 + 124 + 2 + (captions ? 8 : 0)) << rot;
        EXPECT_EQ(pic.drawn[0].kind, Drawn::clear);
        EXPECT_EQ(pic.drawn[0].colour, background);
    }
    // The live bands along column 5 and row 5, the cursor's whole along column and row 10.
    const std::pair<uint32_t, size_t> bands[] = {{rpmband, 31}, {mapband, 31}, {trimband, 62}};
    for (auto [colour, count] : bands) ASSERT_EQ(lines(colour).size(), count) << colour;
    const std::vector<Drawn> rpm = lines(rpmband), load = lines(mapband);
    for (int k = 0; k < 31; ++k) {
        EXPECT_EQ(rpm[k].x2, gridx32[5][k + 1] + 390) << k;
        EXPECT_EQ(load[k].y2, projy32[k + 1][5]) << k;
    }
    // The cursor marker in the trim band colour, then the live one in the MAP band colour.
    std::vector<Drawn> markers;
    for (const Drawn &d : pic.drawn)
        if (d.kind == Drawn::ellipse) markers.push_back(d);
    ASSERT_EQ(markers.size(), 2u);
    EXPECT_EQ(markers[0].x1, gridx32[10][10] + 390);
    EXPECT_EQ(markers[0].colour, trimband);
    EXPECT_EQ(markers[1].x1, gridx32[5][5] + 390);
    EXPECT_EQ(markers[1].y1, projy32[5][5]);
    EXPECT_EQ(markers[1].colour, mapband);

    // A chosen group, its corners in either order: a marker on each of its cells, MAP colour.
    groupactive = true;
    const uint8_t corners[4] = {3, 2, 1, 1}; // load 3 to 1, rpm 2 to 1
    std::copy(corners, corners + 4, grouprect);
    pic.drawn.clear();
    ThreeDraw32(pic);
    markers.clear();
    for (const Drawn &d : pic.drawn)
        if (d.kind == Drawn::ellipse) markers.push_back(d);
    ASSERT_EQ(markers.size(), 6u + 2);
    EXPECT_EQ(markers[0].x1, gridx32[1][1] + 390);
    for (int k = 0; k < 6; ++k) EXPECT_EQ(markers[k].colour, mapband) << k;
}

TEST_F(ThreeDraw, LiftsEachMapsCellsByItsOwnScale) {
    loadrotcartesians();
    curimage.fuelmap[1][2] = 10;
    for (int m = 0; m < 6; ++m) curimage.rammaps[32 * m + 1][2] = int16_t(10 + m);
    curimage.afrmap[1][2] = 10;
    // Twips a count: fuel 0.5, maps 2, 3 and 5 to 7 11, map 4 30, the AFR target 10.
    for (auto [map, lift] : {std::pair{1, 5}, {2, 110}, {3, 121}, {4, 360}, {5, 143}, {6, 154},
                             {7, 165}, {43, 100}}) {
        curmap = map;
        ThreeDraw32(pic);
        EXPECT_EQ(gridy32[1][2] - projy32[1][2], lift) << map;
    }
}

TEST_F(ThreeDraw, HighlightsFromTheFirstCellToTheLiveCell) {
    loadrotcartesians();
    ThreeDraw32(pic);
    EXPECT_TRUE(lines(highlight).empty());
    // The cursor on the live cell: its bands dashed on the even segments from (0, 0).
    ASSERT_EQ(lines(trimband).size(), 16u + 16);
    EXPECT_EQ(lines(trimband)[0].x1, gridx32[0][0] + 390);
    EXPECT_EQ(lines(trimband)[0].y1, projy32[0][0]);

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
    EXPECT_EQ(framecolours(7), "WBWBWWW"); // the post at (31, 0) stands over no site
    rpmsites = 32;
    loadrotcartesians();
    pic.drawn.clear();
    ThreeDraw32(pic);
    EXPECT_EQ(framecolours(7), "WBWWWWW");
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
    goonline();
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
