#include "editor/interpolateselection.h"

#include "core/editorstate.h"
#include "core/flags.h"
#include "core/prefs.h"
#include "editor/frmwarn11.h"
#include "editor/looppause.h"
#include "editor/mapwindow.h"
#include "editor/multientry.h"
#include "platform/forms.h"
#include "platform/hourglass.h"

#include <cmath>

namespace korvane {

bool interpmode = true;

std::optional<int> interptarget(bool alongload, int r, int l, float a, float b, float c, float d,
                                int loload, int hiload, int lorpm, int hirpm)
{
    float target;
    if (alongload) {
        const int n = hiload - loload + 1;
        if (n <= 1) return std::nullopt;
        target = (float(l - loload) * b + float(hiload - l) * a) / float(n - 1);
    } else {
        const int n = hirpm - lorpm + 1;
        if (n <= 1) return std::nullopt;
        target = (float(hirpm - r) * c + float(r - lorpm) * d) / float(n - 1);
    }
    return int(std::nearbyint(target));
}

void interpolateselection(bool mode, mapwindow &window)
{
    if (rpmhold == 0) setxhold(window);
    if (loadhold == 0) setyhold(window);
    {
        looppause pause(window.looptimer());
        multierror = false;
        Hourglass pointer;
        interpmode = mode;
        form<frmWarn11>()->exec();
    }
    if (curmap >= 40 && online == flagset) entrypending = true;
    showxlabel(window);
    if (multierror) multicellerror(30);
}

} // namespace korvane
