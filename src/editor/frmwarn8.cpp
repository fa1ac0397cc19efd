#include "editor/frmwarn8.h"

#include "editor/pendingcells.h"
#include "platform/forms.h"

namespace korvane {

frmWarn8::frmWarn8() : progresswindow("Multi entry progress") {}

void frmWarn8::formcode()
{
    const std::vector<PendingCell> cells = groupcelllist();
    const int total = int(cells.size());
    showprogress(0);
    // The cells from a failed write on stay pending for the next Enter.
    sendcells(cells, [&](int n) { showprogress(n * 99 / total); });
    finish();
}

void frmWarn8::done(int result)
{
    progresswindow::done(result);
    if (forminstance<frmWarn8>() == this) unload<frmWarn8>();
}

} // namespace korvane
