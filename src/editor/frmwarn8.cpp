#include "editor/frmwarn8.h"

#include "core/calimage.h"
#include "core/editorstate.h"
#include "core/onlineops.h"
#include "editor/groupcells.h"
#include "editor/mapcatalogue.h"
#include "platform/forms.h"

namespace korvane {

frmWarn8::frmWarn8() : progresswindow("Multi entry progress") {}

void frmWarn8::formcode()
{
    const GroupCells group = groupcells();
    const int total = group.count();
    showprogress(0);
    multierror = false;
    int n = 0;
    for (int r = group.lorpm; r <= group.hirpm && !multierror; ++r)
        for (int l = group.loload; l <= group.hiload && !multierror; ++l) {
            showprogress(n * 99 / total);
            sendsetting(singlewriteaddress(curmap, r, l), cellvalue(curimage, curmap, r, l));
            ++n;
        }
    finish();
}

void frmWarn8::done(int result)
{
    progresswindow::done(result);
    if (forminstance<frmWarn8>() == this) unload<frmWarn8>();
}

} // namespace korvane
