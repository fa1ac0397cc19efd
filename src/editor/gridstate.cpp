#include "editor/gridstate.h"

#include "core/editorstate.h"
#include "core/livecell.h"
#include "core/prefs.h"
#include "editor/axislabels.h"

namespace korvane {

GridState currentgridstate()
{
    GridState s;
    s.map = curmap;
    s.currpm = currpm;
    s.curload = curload;
    s.liverpm = liverpm;
    s.liveload = liveload;
    s.rpmsites = rpmsites;
    s.loadsites = loadsites;
    s.groupactive = groupactive;
    for (int i = 0; i < 4; ++i) s.grouprect[i] = grouprect[i];
    s.entrypending = entrypending;
    s.loadcentre = prefs[3] != 0;
    return s;
}

} // namespace korvane
