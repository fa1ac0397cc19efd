#include "editor/groupcells.h"

#include "core/editorstate.h"

#include <algorithm>

namespace korvane {

GroupCells groupcells()
{
    const auto [loload, hiload] = std::minmax(grouprect[0], grouprect[2]);
    const auto [lorpm, hirpm] = std::minmax(grouprect[1], grouprect[3]);
    return {loload, hiload, lorpm, hirpm};
}

} // namespace korvane
