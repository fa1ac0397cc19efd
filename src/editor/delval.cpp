#include "editor/delval.h"

#include "core/calimage.h"
#include "core/commands.h"
#include "core/commio.h"
#include "core/editorstate.h"
#include "core/flags.h"
#include "core/linestate.h"
#include "core/livedata.h"
#include "editor/frmwarn5.h"
#include "editor/mapcatalogue.h"
#include "editor/pendingcells.h"
#include "editor/selectmap.h"
#include "platform/beep.h"
#include "platform/forms.h"

namespace korvane {

int pcchecksum = 0;
int ecuchecksum = 0;

void delval(int &direction, int load, int rpm, bool redraw)
{
    if (editready == 0) return;
    const mapinfo &m = mapcatalogue(curmap);
    const int row = m.kind == mapkind::table16 ? 0 : rpm;
    const int value = cellvalue(curimage, curmap, row, load);
    if (value < 0) return; // not a cell of this map
    const int stepped = value + trimstep * direction;
    if (m.changedslot >= 0) cellchanged[m.changedslot][row][load] = flagset;
    if (stepped < m.rawmin || stepped > m.rawmax) {
        direction = 3;
        beep();
    } else {
        setcellvalue(curimage, curmap, row, load, stepped);
    }
    if (curmap >= 8 && online == flagset) markpending(row, load);
    if (redraw) drawmainmap();
    markedited();
}

void sendinc(int &direction, int load)
{
    pollready = 0;
    if (direction == 3 || editready == 0 || curmap < 1 || curmap > 7) return;
    const bool up = direction >= 0;
    const bool fine = trimstep == 1;
    int32_t &sum = mapsums[curmap - 1];
    sum += up ? trimstep : -trimstep;
    const int expected = ((sum % 256) + 256) % 256;
    if (online == 0) return;
    const uint8_t code = fine ? (up ? cmd::trimfineup : cmd::trimfinedown)
                              : (up ? cmd::trimcoarseup : cmd::trimcoarsedown);
    commtx = uint8_t(cmd::trim + code + (load & 31));
    commio(0);
    commend();
    pcchecksum = expected;
    // A reply that never came is a failure, whatever byte the link still holds.
    ecuchecksum = commerror ? -1 : commrx;
    if (ecuchecksum == expected) return;
    // The trim may have reached the ECU all the same: its map can differ from the image.
    markecumaydiffer();
    if (groupactive)
        multierror = true;
    else
        form<frmWarn5>()->exec();
}

} // namespace korvane
