#include "../editor/editfixture.h"
#include "graphics/drawinglinks.h"
#include "graphics/drawvct.h"
#include "graphics/threedraw.h"
#include "platform/picturebox.h"

using namespace korvane;
using namespace korvane::test;

namespace {
// The main window with its real drawings, online against the simulated ECU.
class OnlineInstruments : public Editing {
  protected:
    void SetUp() override
    {
        linkdrawings();
        Editing::SetUp();
    }
    QImage afterticks(int afr)
    {
        ecu.setquery('U', {uint8_t(afr), 100, 100, 0});
        for (int i = 0; i < 6; ++i) window->Timer1_Timer();
        return window->Picture3->image();
    }
};
} // namespace

TEST_F(OnlineInstruments, PanelMovesWithTheLiveValues) {
    goonline();
    const QImage rich = afterticks(110);
    EXPECT_EQ(livevals[liveafr], 110);
    EXPECT_EQ(afterticks(110), rich);
    EXPECT_NE(afterticks(160), rich);
    EXPECT_EQ(livevals[liveafr], 160);
}

// The cam-timing view polls every 50 ms, yet a silent ECU still slows the loop to once a second.
TEST_F(OnlineInstruments, CamTimingViewPollsFasterButBacksOffWhenSilent) {
    camtimingview() = drawVCT;
    window->mnuPwm3D_Click(0);
    curimage.settings[13][11] = 1;
    goonline();
    vctview = 5;
    for (bool silent : {false, true, false}) {
        ecu.setsilent(silent);
        pollphase = 1; // the tick that redraws the map
        window->Timer1_Timer();
        EXPECT_EQ(window->Timer1->interval(), silent ? 1000 : 50);
    }
    camtimingview() = nullptr;
    vctview = vctindex = 0;
}
