// The turning wire frame of the 32 x 32 maps.
#include "core/calimage.h"
#include "core/colours.h"
#include "core/editorstate.h"
#include "core/livecell.h"
#include "editor/axislabels.h"
#include "editor/viewangles.h"
#include "graphics/projection.h"
#include "graphics/threedraw.h"
#include "graphics/wireframe.h"
#include "platform/canvas.h"

#include <algorithm>
#include <cmath>

namespace korvane {

int32_t projy32[32][32];

namespace {
// Cell height and its scale on screen, raw values as the image holds them.
double heightfactor(int map) {
    switch (map) {
    case 1:
        return 0.5;
    case 2:
    case 3:
    case 5:
    case 6:
    case 7:
        return 11.0;
    case 4:
        return 30.0;
    case 43:
        return 10.0;
    default:
        return 0;
    }
}

double height(int map, int i, int j) {
    if (map == 1) return curimage.fuelmap[i][j];
    if (map >= 2 && map <= 7) return curimage.rammaps[(map - 2) * 32 + i][j];
    if (map == 43) return curimage.afrmap[i][j];
    return 0;
}

void lift() {
    const double f = heightfactor(curmap);
    for (int i = 0; i < 32; ++i)
        for (int j = 0; j < 32; ++j)
            projy32[i][j] = int32_t(std::nearbyint(gridy32[i][j] - f * height(curmap, i, j)));
}

// The floor edges and corner posts behind the surface for the view angle: parts over used
// sites in the wire colour, over unused ones in the blend. At exactly 137 and 317 neither
// side of that test is drawn.
void drawframe(Canvas &pic, const Wireframe &w) {
    const uint32_t wire = colours[1], blend = colours[7];
    const int R = w.rpmused - 1, L = w.loadused - 1;
    const bool allrpm = w.rpmused == 32, allload = w.loadused == 32;
    if (viewrot < 317) {
        flooredge(pic, w, R, 0, 0, 0, wire);
        flooredge(pic, w, R, 0, 31, 0, blend);
        post(pic, w, R, 0, wire);
    }
    post(pic, w, 31, 0, allrpm ? wire : blend);
    if (viewrot < 317) post(pic, w, 0, 0, wire);
    if (viewrot < 137) {
        if (!allload) {
            flooredge(pic, w, 0, 0, 0, L, wire);
            flooredge(pic, w, 0, L, 0, 31, blend);
        } else {
            flooredge(pic, w, 0, 0, 0, 31, wire);
        }
        post(pic, w, 0, 31, allload ? wire : blend);
        if (!allload) post(pic, w, 0, L, wire);
    }
    if (viewrot > 137) {
        if (allrpm && allload) {
            flooredge(pic, w, 31, 0, 31, 31, wire);
        } else if (allrpm) {
            flooredge(pic, w, 31, 0, 31, L, wire);
            flooredge(pic, w, 31, L, 31, 31, blend);
        } else {
            flooredge(pic, w, 31, 0, 31, 31, blend);
        }
        post(pic, w, 31, 31, allrpm && allload ? wire : blend);
        if (allrpm && !allload) post(pic, w, 31, L, wire);
    }
    if (viewrot > 317) {
        post(pic, w, 0, 31, allload ? wire : blend);
        if (allload && !allrpm) post(pic, w, R, 31, wire);
        if (!allload) {
            flooredge(pic, w, 31, 31, 0, 31, blend);
        } else {
            flooredge(pic, w, 31, 31, R, 31, blend);
            flooredge(pic, w, 0, 31, R, 31, wire);
        }
    }
}

// Fuel maps and the AFR target show the fuel trace, spark maps the spark trace; cells
// beyond the sites in use are blended into the background.
uint32_t meshcolour(const Wireframe &w, Side side, int i, int j) {
    const int map = curmap;
    const bool fuel = map == 1 || map == 2 || map == 3 || map == 43;
    if (!fuel && (map < 4 || map > 7)) return colours[1];
    const bool used = side == Side::load ? j < w.loadused - 1 && i < w.rpmused
                                         : i < w.rpmused - 1 && j < w.loadused;
    if (!used) return colours[7];
    return fuel ? fueltrace[i][j] : sparktrace[i][j];
}
} // namespace

void ThreeDraw32(Canvas &pic) {
    liverpm = std::min<uint8_t>(liverpm, 31);
    liveload = std::min<uint8_t>(liveload, 31);
    lift();
    const Wireframe w{32,
                      &gridx32[0][0],
                      &gridy32[0][0],
                      &projy32[0][0],
                      std::clamp<int>(rpmsites, 1, 32),
                      std::clamp<int>(loadsites, 1, 32)};
    pic.fillstyle = FillStyle::transparent;
    // The whole picture: at a low tilt the floor reaches below the drawing's nominal area.
    pic.BackColor = colours[0];
    pic.cls();
    drawframe(pic, w);
    drawmesh(pic, w, [&w](Side side, int i, int j) { return meshcolour(w, side, i, j); });
    drawbands(pic, w);
    drawmarkers(pic, w);
    drawaxeslabels(pic);
}

} // namespace korvane
