#include "drawfixture.h"
#include "graphics/twodraw.h"

using namespace korvane;
using namespace korvane::test;

using TwoDraw = DrawTest;

TEST_F(TwoDraw, PlotsTheTableWithTheLiveSegmentsOverTheCursor) {
    curmap = 8;
    curimage.settings[16][0] = 255;
    liveload = 5;
    curload = 6;
    twodraw(pic);
    ASSERT_EQ(pic.drawn.size(), 16u); // clear, 15 segments
    EXPECT_EQ(pic.drawn[0].kind, Drawn::clear);
    EXPECT_EQ(pic.drawn[1].y1, 920);
    EXPECT_EQ(pic.drawn[1].y2, 5000);
    for (int k = 0; k < 15; ++k) {
        const Drawn &d = pic.drawn[1 + k];
        const uint32_t colour = k == 4 || k == 5 ? mapband : k == 6 ? trimband : wire;
        EXPECT_EQ(d.colour, colour) << k;
        EXPECT_EQ(d.width, colour == wire ? 1 : 2) << k;
    }
}

TEST_F(TwoDraw, RaisesTheKnockThresholdByTheBufferWithoutTouchingTheImage) {
    curmap = 15;
    curimage.settings[23][3] = 100;
    for (int buffer : {0, 10, 50}) {
        curimage.settings[11][14] = int16_t(buffer);
        const calimage before = curimage;
        pic.drawn.clear();
        twodraw(pic);
        EXPECT_EQ(std::memcmp(&before, &curimage, sizeof curimage), 0);
        const Drawn &dotted = pic.drawn[16 + 3];
        EXPECT_EQ(dotted.style, DrawStyle::dotted);
        EXPECT_EQ(dotted.y1, 5000 - 16 * (100 + std::max(buffer, 10))) << buffer;
        EXPECT_EQ(pic.drawn.back().style, DrawStyle::solid);
        EXPECT_EQ(pic.drawn.size(), 16u + 15 + 2 * 255);
    }
}

TEST_F(TwoDraw, MarksEveryKnockReadingButTheOldest) {
    std::fill(std::begin(knockdotx), std::end(knockdotx), 0);
    std::fill(std::begin(knockdoty), std::end(knockdoty), 0);
    knockdotx[0] = 255;
    knockdoty[0] = 255;
    knockdotx[255] = 100;
    drawknockdots(pic);
    ASSERT_EQ(pic.drawn.size(), 510u);
    EXPECT_EQ(pic.drawn[0].x1, 6630);
    EXPECT_EQ(pic.drawn[0].y1, 920);
    EXPECT_EQ(pic.drawn[0].x2, 6710);
    EXPECT_EQ(pic.drawn[0].y2, 840);
    EXPECT_EQ(pic.drawn[0].colour, 0xFFFFFFu);
    for (const Drawn &d : pic.drawn) EXPECT_NE(d.x1, 2600);
}
