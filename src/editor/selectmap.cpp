#include "editor/selectmap.h"

#include "core/editorstate.h"
#include "core/flags.h"
#include "editor/mapcatalogue.h"

namespace korvane {

namespace {
mapview *openview = nullptr;
}

void setmapview(mapview *view) { openview = view; }

void drawmainmap()
{
    if (openview) openview->drawmap();
}

void selectmap()
{
    groupactive = false;
    vctview = 0;
    vctindex = 0;
    trimstep = defaulttrimstep(curmap);
    // The live poll lets edits through again once it has asked for the new map's cell.
    if (online == flagset) editready = 0;
    pollphase = 0;

    if (!openview) return;
    openview->setmapaxes();
    openview->showmapvalues();
    openview->colourmapcells();
    openview->scrolltotopleft();
    openview->showstep();
    openview->setholdcaptions();
    openview->drawmap();
}

} // namespace korvane
