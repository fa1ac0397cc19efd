#include "graphics/frmatx.h"

#include "platform/colour.h"
#include "platform/picturebox.h"
#include "platform/twips.h"
#include "toolwindowfixture.h"

#include <QTimer>

using namespace korvane;
using namespace korvane::test;

namespace {
class Atx : public ToolWindowTest {
  protected:
    // The colour at the centre of the lamp at y twips.
    static uint32_t lamp(PictureBox *picture, int y)
    {
        return fromcolor(picture->image().pixelColor(230 / 15, y / 15));
    }
};
} // namespace

TEST_F(Atx, LampsShowTheBitsOfTheSwitchReply)
{
    ecu.setquery('Z', {0x00, 0b10100101, 0b10010001, 0x33});
    frmAtx *window = form<frmAtx>();
    window->show();
    window->Timer1->stop();
    ecu.clearreceived();
    window->Timer1_Timer();
    EXPECT_EQ(takereceived(1), QByteArray("Z"));

    const uint32_t red = 0x0000FF, grey = 0x606080;
    // Outputs: AC clutch (bit 7), thermofan, turbo timer, converter clutch (bit 4), fuel pump.
    const int outputy[] = {125, 360, 595, 830, 1065};
    const uint32_t outputs[] = {red, grey, grey, red, red};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(lamp(window->Picture1, outputy[i]), outputs[i]) << i;
    for (int bit = 0; bit < 8; ++bit)
        EXPECT_EQ(lamp(window->Picture2, 125 + 235 * bit), (0b10100101 >> bit) & 1 ? red : grey)
            << bit;

    // A reply cut short leaves the lamps as they were.
    ecu.setquery('Z', {0, 0, 0, 0});
    ecu.stallafter(2);
    window->Timer1_Timer();
    EXPECT_EQ(lamp(window->Picture1, 125), red);
    close<frmAtx>();
}

TEST_F(Atx, TheMainLoopRunsAfterClosingOnlyIfItRanBefore)
{
    for (bool before : {false, true}) {
        maintimer = before;
        form<frmAtx>();
        EXPECT_FALSE(maintimer);
        close<frmAtx>();
        EXPECT_EQ(maintimer, before);
    }
}
