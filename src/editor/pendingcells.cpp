#include "editor/pendingcells.h"

#include "core/calimage.h"
#include "core/editorstate.h"
#include "core/messages.h"
#include "core/onlineops.h"
#include "editor/groupcells.h"
#include "editor/mapcatalogue.h"

#include <algorithm>

namespace korvane {

std::vector<PendingCell> pendingcells;

void markpending(int rpm, int load)
{
    if (!entrypending) pendingcells.clear(); // what waited before has been sent or dropped
    entrypending = true;
    const PendingCell cell{curmap, rpm, load};
    if (std::find(pendingcells.begin(), pendingcells.end(), cell) == pendingcells.end())
        pendingcells.push_back(cell);
}

bool sendcells(std::vector<PendingCell> cells, const std::function<void(int)> &progress)
{
    multierror = false;
    for (size_t i = 0; i < cells.size(); ++i) {
        if (progress) progress(int(i));
        const PendingCell &c = cells[i];
        // Each write's own outcome decides: an earlier write of this run has already
        // cleared entrypending.
        if (sendsetting(singlewriteaddress(c.map, c.rpm, c.load),
                        cellvalue(curimage, c.map, c.rpm, c.load)))
            continue;
        pendingcells.assign(cells.begin() + std::ptrdiff_t(i), cells.end());
        entrypending = true;
        return false;
    }
    pendingcells.clear();
    entrypending = false;
    return true;
}

std::vector<PendingCell> groupcelllist()
{
    const GroupCells g = groupcells();
    std::vector<PendingCell> cells;
    for (int r = g.lorpm; r <= g.hirpm; ++r)
        for (int l = g.loload; l <= g.hiload; ++l) cells.push_back({curmap, r, l});
    return cells;
}

void unsententriesnotice()
{
    showmessage("The cell entries waiting for Enter were not sent to the ECU. Download the map "
                "for them to take effect.",
                "Warning", 30, forced);
}

} // namespace korvane
