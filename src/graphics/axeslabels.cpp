#include "core/editorstate.h"
#include "editor/viewangles.h"
#include "graphics/threedraw.h"
#include "platform/canvas.h"

namespace korvane {

namespace {
// A caption for each axis and an arrow along it; the arrows of the longer captions sit
// shift twips further out.
void caption(Canvas &pic, const char *across, const char *up, double upx, double shift) {
    pic.print(3800, 4900, across);
    pic.print(upx, 4750, up);
    const double l = 1550 - shift, r = 4000 + shift;
    pic.line(l, 4850, l - 350, 4730);
    pic.line(l - 350, 4730, l - 250, 4680);
    pic.line(l - 350, 4730, l - 320, 4810);
    pic.line(r, 5020, r + 400, 4980);
    pic.line(r + 400, 4980, r + 280, 4940);
    pic.line(r + 400, 4980, r + 310, 5070);
}
} // namespace

void drawaxeslabels(Canvas &pic) {
    pic.DrawWidth = 1;
    pic.ForeColor = 0xFFFFFF;
    pic.FontName = "arial";
    pic.FontSize = 14;
    if (curmap >= 8 && curmap <= 42)
        caption(pic, "X", "Y", 1600, 0);
    else if (curmap == 43 || viewrot <= 137)
        caption(pic, "rpm", "load", 1300, 300);
}

} // namespace korvane
