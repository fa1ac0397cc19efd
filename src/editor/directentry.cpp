#include "editor/directentry.h"

#include "core/editorstate.h"
#include "core/flags.h"
#include "core/messages.h"
#include "editor/colourmapcells.h"
#include "editor/frminput.h"
#include "editor/mapcatalogue.h"
#include "editor/mapwindow.h"
#include "editor/showmapvalues.h"
#include "platform/forms.h"

namespace korvane {

void directentry(mapwindow &window, MapGrid &grid)
{
    if (online == 0 && mapcatalogue(curmap).kind == mapkind::table16) {
        showmessage("Direct entry not available for this map offline", "Information", 30, 0);
        return;
    }
    if (online != 0 && curmap <= 39) {
        showmessage("Direct entry not available for this map online", "Information", 30, 0);
        return;
    }
    frmInput *input = form<frmInput>();
    input->setgrid(&grid);
    input->exec();
    if (groupactive) {
        if (online == 0) groupactive = false;
        colourmapcells(grid, 255);
        showmapvalues(grid, 255);
    } else {
        showmapvalues(grid, 0);
    }
    window.drawmap();
}

} // namespace korvane
