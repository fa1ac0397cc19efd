#include "editor/copyrange.h"

#include "core/calimage.h"
#include "core/editorstate.h"
#include "core/flags.h"
#include "core/linestate.h"
#include "core/messages.h"
#include "editor/frmwarn2.h"
#include "editor/frmwarn3.h"
#include "editor/mapcatalogue.h"
#include "platform/forms.h"

namespace korvane {

bool copyticks[32]{};

void copyrange(int source)
{
    markedited();
    const mapinfo *m = findmap(curmap);
    if (!m || m->kind == mapkind::table16 || source < 0 || source >= maprows(curmap)) return;
    const int rows = maprows(curmap), columns = mapcols(curmap);
    // Fuel cells reach 10000: the row is held in ints.
    int row[32];
    for (int l = 0; l < columns; ++l) row[l] = cellvalue(curimage, curmap, source, l);
    for (int t = 0; t < rows; ++t) {
        if (t == source || !copyticks[t]) continue;
        for (int l = 0; l < columns; ++l) {
            setcellvalue(curimage, curmap, t, l, row[l]);
            cellchanged[m->changedslot][t][l] = flagset;
        }
    }
}

void copyrows()
{
    if (online == 0) {
        form<frmWarn2>()->exec();
    } else if (curmap <= 7) {
        form<frmWarn3>()->exec();
    } else {
        showmessage("Row copy is not available online for this map", "Information", 30, 0);
    }
}

} // namespace korvane
