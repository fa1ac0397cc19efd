#include "editor/switchaxes.h"

#include "core/calimage.h"
#include "core/editorstate.h"
#include "core/flags.h"
#include "core/linestate.h"
#include "editor/frmwarn7.h"
#include "editor/scalefuel.h"
#include "platform/forms.h"

#include <utility>

namespace korvane {

namespace {
constexpr int spreadrow = 13, spreadcolumn = 10; // ECU 0x10DA
constexpr int16_t nospread = 255;
} // namespace

void switchaxes()
{
    if (curmap < 40 || curmap > 42) return;
    const int base = (curmap - 40) * 24;
    for (int x = 0; x < 24; ++x)
        for (int y = x + 1; y < 24; ++y)
            std::swap(curimage.pwmmaps[base + x][y], curimage.pwmmaps[base + y][x]);
    markedited();
    repaintmainmap();
}

void askvctispread()
{
    if (vctspread != 0) return;
    const int16_t stored = curimage.settings[spreadrow][spreadcolumn];
    if (stored == nospread)
        form<frmWarn7>()->exec();
    else
        vctspread = uint8_t(stored);
}

} // namespace korvane
