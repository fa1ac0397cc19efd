#include "editor/multientry.h"

#include "core/editorstate.h"
#include "core/flags.h"
#include "core/messages.h"
#include "core/onlineops.h"
#include "core/prefs.h"
#include "editor/delval.h"
#include "editor/frmwarn8.h"
#include "editor/groupcells.h"
#include "editor/looppause.h"
#include "editor/mapwindow.h"
#include "platform/forms.h"
#include "platform/hourglass.h"

namespace korvane {

void multicellerror(int ticks)
{
    showmessage("A multi-cell error occurred, you should upload again to synchronise maps",
                "System error", ticks, forced);
}

void multientry(int direction, mapwindow &window)
{
    const GroupCells group = groupcells();
    if (rpmhold == 0) setxhold(window);
    if (loadhold == 0) setyhold(window);
    {
        looppause pause(window.looptimer());
        Hourglass pointer;
        multierror = false;
        for (int r = group.lorpm; r <= group.hirpm && !multierror; ++r) {
            currpm = uint8_t(r);
            // A trim after a failed select would land in the ECU's previous column.
            if (!sendmapselect(false)) {
                multierror = true;
                break;
            }
            for (int l = group.loload; l <= group.hiload && !multierror; ++l) {
                int d = direction;
                delval(d, l, r, false);
                if (curmap <= 7) sendinc(d, l);
            }
        }
    }
    if (curmap >= 40 && online == flagset) entrypending = true;
    showxlabel(window);
    if (multierror) multicellerror(40);
}

void multientryprogress(mapwindow &window)
{
    {
        looppause pause(window.looptimer());
        form<frmWarn8>()->exec();
    }
    if (multierror) multicellerror(40);
}

} // namespace korvane
