#include "editor/pendingcells.h"

#include "core/calimage.h"
#include "core/editorstate.h"
#include "core/flags.h"
#include "core/messages.h"
#include "core/onlineops.h"
#include "editor/gridaxes.h"
#include "editor/groupcells.h"
#include "editor/mapcatalogue.h"

#include <QStringList>
#include <algorithm>

namespace korvane {

namespace {
// A notice that names cells stays long enough to read them and find them on the grid; Esc or
// the close box ends it sooner.
constexpr int listticks = 80;
} // namespace

std::vector<PendingCell> pendingcells;

void markpending(int rpm, int load)
{
    if (!entrypending) pendingcells.clear(); // what waited before has been sent or dropped
    entrypending = true;
    const PendingCell cell{curmap, rpm, load};
    if (std::find(pendingcells.begin(), pendingcells.end(), cell) == pendingcells.end())
        pendingcells.push_back(cell);
}

QString celllist(const std::vector<PendingCell> &cells)
{
    constexpr int shown = 3;
    QStringList names;
    for (size_t i = 0; i < cells.size() && i < shown; ++i) {
        const PendingCell &c = cells[i];
        const QString headers = "(" + cellheaders(c.map, c.rpm, c.load) + ")";
        // The map's title once for a run of its cells: the message window is small.
        names << (i > 0 && cells[i - 1].map == c.map ? headers
                                                     : mapcatalogue(c.map).title + (" " + headers));
    }
    QString text = names.join(", ");
    if (cells.size() > shown) text += QString(" and %1 more").arg(cells.size() - shown);
    return text;
}

bool sendcells(std::vector<PendingCell> cells, const std::function<void(int)> &progress,
               bool keepfailed)
{
    multierror = false;
    const bool heldback = livewrite == 0;
    std::vector<PendingCell> refused;
    size_t i = 0;
    for (; i < cells.size(); ++i) {
        if (progress) progress(int(i));
        const PendingCell &c = cells[i];
        const WriteResult result = sendsetting(singlewriteaddress(c.map, c.rpm, c.load),
                                               cellvalue(curimage, c.map, c.rpm, c.load), false);
        // The ECU refuses the same write every time: the cell keeps its value on the PC only,
        // and the cells after it still go out.
        if (result == WriteResult::refused) refused.push_back(c);
        if (result == WriteResult::failed) break;
    }
    const std::vector<PendingCell> unsent(cells.begin() + std::ptrdiff_t(i), cells.end());
    if (keepfailed) {
        pendingcells = unsent;
        entrypending = !unsent.empty();
    }
    if (!refused.empty())
        showmessage(refusaltext() + "\n" + celllist(refused), "Information", listticks, forced);
    if (!unsent.empty()) {
        // Within a group the caller reports the failure itself.
        QString text = heldback || groupactive ? QString()
                                               : "An programming error occurred, try again\n";
        text += (keepfailed ? "Waiting for Enter: " : "Not sent: ") + celllist(unsent);
        showmessage(text, "System error", listticks, forced);
    }
    return unsent.empty() && refused.empty();
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
    QString text = "The cell entries waiting for Enter were not sent to the ECU. Download the map "
                   "for them to take effect.";
    if (!pendingcells.empty()) text += "\n" + celllist(pendingcells);
    showmessage(text, "Warning", pendingcells.empty() ? 30 : listticks, forced);
}

} // namespace korvane
