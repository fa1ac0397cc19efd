// The fixed wire frame of the 24 x 24 PWM maps, and the place of the cam-timing view.
#include "core/calimage.h"
#include "core/colours.h"
#include "core/editorstate.h"
#include "core/flags.h"
#include "core/livecell.h"
#include "graphics/projection.h"
#include "graphics/threedraw.h"
#include "graphics/wireframe.h"
#include "platform/canvas.h"

#include <algorithm>

namespace korvane {

int32_t projy24[24][24];

std::function<void(Canvas &)> &camtimingview() {
    static std::function<void(Canvas &)> view;
    return view;
}

namespace {
// The VCT configuration byte: 1 and above when the engine has cam timing to show.
bool camtimingshown() {
    return curmap == 40 && online == flagset && curimage.settings[13][11] >= 1;
}

void drawsurface(Canvas &pic) {
    const bool pwm = curmap >= 40 && curmap <= 42;
    for (int x = 0; x < 24; ++x)
        for (int y = 0; y < 24; ++y)
            projy24[x][y] =
                gridy24[x][y] - (pwm ? 3 * curimage.pwmmaps[(curmap - 40) * 24 + x][y] : 0);
    const Wireframe w{24, &gridx24[0][0], &gridy24[0][0], &projy24[0][0], 24, 24};
    const uint32_t wire = colours[1], highlight = colours[6];
    // The whole picture: a 32 x 32 map drawn before may reach below the fixed grid.
    pic.BackColor = colours[0];
    pic.cls();
    flooredge(pic, w, 23, 0, 0, 0, highlight);
    flooredge(pic, w, liverpm, 0, 23, 0, wire);
    post(pic, w, 23, 0, wire);
    post(pic, w, 0, 0, highlight);
    flooredge(pic, w, 0, 0, 0, 23, highlight);
    post(pic, w, 0, 23, highlight);
    drawmesh(pic, w, [wire](Side, int, int) { return wire; });
    drawbands(pic, w);
    drawmarkers(pic, w);
    drawaxeslabels(pic);
}
} // namespace

void threedraw24(Canvas &pic) {
    liverpm = std::min<uint8_t>(liverpm, 23);
    liveload = std::min<uint8_t>(liveload, 23);
    pic.fillstyle = FillStyle::transparent;
    pic.box(0, 0, 7100, 1500, colours[0]);
    // The research display of the cam-timing view takes the whole area.
    if (!(camtimingshown() && vctview >= 5)) drawsurface(pic);
    if (camtimingshown() && camtimingview()) camtimingview()(pic);
}

} // namespace korvane
