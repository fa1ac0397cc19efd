#include "graphics/drawinglinks.h"
#include "editor/frmfuel1.h"
#include "editor/frmfuel1links.h"
#include "graphics/projection.h"
#include "graphics/threedraw.h"
#include "graphics/twodraw.h"
#include "platform/forms.h"
#include "platform/picturebox.h"

namespace korvane {

namespace {
Canvas &graph() {
    return form<frmFuel1>()->picGraph->canvas();
}
} // namespace

void linkdrawings() {
    frmfuel1links &links = fuel1links();
    links.loadrotcartesians = loadrotcartesians;
    links.threedraw32 = [] { ThreeDraw32(graph()); };
    links.twodraw = [] { twodraw(graph()); };
    links.threedraw24 = [] { threedraw24(graph()); };
}

} // namespace korvane
