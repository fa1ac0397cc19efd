#include "../editor/editfixture.h"
#include "graphics/drawinglinks.h"
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
