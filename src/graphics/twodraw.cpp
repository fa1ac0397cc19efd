#include "graphics/twodraw.h"
#include "core/calimage.h"
#include "core/colours.h"
#include "core/editorstate.h"
#include "core/livecell.h"
#include "core/livedata.h"
#include "platform/canvas.h"

namespace korvane {

namespace {
constexpr int knockmap = 15;
double graphy(int value) {
    return 5000 - 16 * value;
}
} // namespace

void twodraw(Canvas &pic) {
    // The whole picture: the captions of a 3D drawing reach below the graph's area.
    pic.BackColor = colours[0];
    pic.cls();
    if (curmap < 8 || curmap > 39) return;
    const int16_t *entry = curimage.settings[curmap + 8];
    for (int k = 0; k < 15; ++k) {
        const bool live = liveload == k || liveload == k + 1;
        const bool cursor = curload == k || curload == k + 1;
        pic.DrawWidth = live || cursor ? 2 : 1;
        pic.ForeColor = live ? colours[3] : cursor ? colours[5] : colours[1];
        pic.line(450 * k, graphy(entry[k]), 450 * (k + 1), graphy(entry[k + 1]));
    }
    if (curmap == knockmap) {
        // The threshold the ECU acts on: the entry plus the knock buffer, at least 10.
        const int buffer = curimage.settings[11][14] < 11 ? 10 : curimage.settings[11][14];
        pic.DrawWidth = 1; // a wider pen would draw the dots solid
        pic.drawstyle = DrawStyle::dotted;
        for (int k = 0; k < 15; ++k)
            pic.line(450 * k, graphy(entry[k] + buffer), 450 * (k + 1),
                     graphy(entry[k + 1] + buffer), colours[1]);
    }
    pic.drawstyle = DrawStyle::solid;
    pic.DrawWidth = 1;
    if (curmap == knockmap) drawknockdots(pic);
}

void drawknockdots(Canvas &pic) {
    pic.ForeColor = 0xFFFFFF;
    // Entry 255 is the oldest, about to drop out.
    for (int i = 0; i < 255; ++i) {
        const double x = 26 * knockdotx[i], y = graphy(knockdoty[i]);
        pic.line(x, y, x + 80, y - 80);
        pic.line(x + 80, y, x, y - 80);
    }
}

} // namespace korvane
