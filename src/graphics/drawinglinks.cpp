#include "graphics/drawinglinks.h"
#include "core/buildprofile.h"
#include "editor/frmfuel1.h"
#include "editor/frmfuel1links.h"
#include "editor/gridscroll.h"
#include "graphics/gaugefaces.h"
#include "graphics/gaugepanel.h"
#include "graphics/projection.h"
#include "graphics/threedraw.h"
#include "graphics/twodraw.h"
#include "platform/forms.h"
#include "platform/mapgrid.h"
#include "platform/picturebox.h"

namespace korvane {

namespace {
Canvas &graph() { return form<frmFuel1>()->picGraph->canvas(); }

// The instruments draw on the window's panel and gauge row; a repaint and the buttons then
// give the keys back to the grid.
void instruments(void (*act)(Canvas &, Canvas &), bool focus = true)
{
    frmFuel1 *window = form<frmFuel1>();
    // The row of gauges is wider than the faces' clear: the rest shows the panel colour.
    window->picgauges->setbackcolour(profilecolours[6]);
    act(window->Picture3->canvas(), window->picgauges->canvas());
    if (focus) focusgrid(window->mapgrid);
}
} // namespace

void linkdrawings()
{
    frmfuel1links &links = fuel1links();
    links.loadrotcartesians = loadrotcartesians;
    links.threedraw32 = [] { ThreeDraw32(graph()); };
    links.twodraw = [] { twodraw(graph()); };
    links.threedraw24 = [] { threedraw24(graph()); };
    links.panelpicreset = [] { instruments(panelpicreset); };
    links.paneldraw = [] { instruments(paneldraw, false); };
    links.panelhold = [] { instruments([](Canvas &, Canvas &) { holdpeaks(); }); };
    links.panelreset = [] { instruments(resetpeaks); };
    links.panelmode = [] { instruments(togglepanelmode); };
}

} // namespace korvane
