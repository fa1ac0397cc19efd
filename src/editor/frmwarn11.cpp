#include "editor/frmwarn11.h"

#include "core/calimage.h"
#include "core/editorstate.h"
#include "core/flags.h"
#include "core/linestate.h"
#include "core/onlineops.h"
#include "editor/delval.h"
#include "editor/groupcells.h"
#include "editor/interpolateselection.h"
#include "editor/mapcatalogue.h"
#include "editor/pendingcells.h"
#include "platform/forms.h"

#include <cstdlib>

namespace korvane {

namespace {
constexpr int passes = 21;

// Writes target into cell (r, l) and marks it, when it differs. Online the cell waits for
// Enter like a typed one, so no later key or menu can leave it off the ECU unnoticed.
void writecell(int r, int l, int target)
{
    if (cellvalue(curimage, curmap, r, l) == target) return;
    if (!setcellvalue(curimage, curmap, r, l, target)) return;
    cellchanged[mapcatalogue(curmap).changedslot][r][l] = flagset;
    markedited();
    if (curmap >= 8 && online == flagset) markpending(r, l);
}

// One trim step towards target, only when it brings the cell strictly closer: a coarse step
// would otherwise jump back and forth over the target on every pass.
void stepcell(int r, int l, int target)
{
    const int value = cellvalue(curimage, curmap, r, l);
    const int direction = value < target ? 1 : -1;
    if (std::abs(value + direction * trimstep - target) >= std::abs(value - target)) return;
    int d = direction;
    delval(d, l, r, false);
    sendinc(d, l);
}
} // namespace

frmWarn11::frmWarn11() : progresswindow("Interpolation progress") {}

void frmWarn11::formcode()
{
    const GroupCells g = groupcells();
    const bool mainmap = curmap >= 1 && curmap <= 7;
    const bool takespart = mainmap || (curmap >= 40 && curmap <= 43);
    // Along load offline the main maps are written directly; otherwise they move by trims.
    const bool stepping = mainmap && (online == flagset || !interpmode);
    for (int p = 0; p < passes && !multierror; ++p) {
        showprogress(int(p * 4.9));
        for (int r = g.lorpm; r <= g.hirpm && !multierror; ++r) {
            currpm = uint8_t(r);
            // A trim after a failed select would land in the ECU's previous column.
            if (!sendmapselect(false)) {
                multierror = true;
                break;
            }
            for (int l = g.loload; l <= g.hiload && !multierror && takespart; ++l) {
                auto v = [](int rr, int ll) { return float(cellvalue(curimage, curmap, rr, ll)); };
                const std::optional<int> target =
                    interptarget(interpmode, r, l, v(r, g.loload), v(r, g.hiload), v(g.lorpm, l),
                                 v(g.hirpm, l), g.loload, g.hiload, g.lorpm, g.hirpm);
                if (!target) continue;
                if (stepping)
                    stepcell(r, l, *target);
                else
                    writecell(r, l, *target);
            }
        }
    }
    finish();
}

void frmWarn11::done(int result)
{
    progresswindow::done(result);
    if (forminstance<frmWarn11>() == this) unload<frmWarn11>();
}

} // namespace korvane
