#include "graphics/vctexport.h"

#include "core/editorstate.h"
#include "platform/workbook.h"

namespace korvane {

uint8_t vcttrace[4][vctsamples];

WorkbookResult exportvctexcel()
{
    std::vector<WorkbookRow> rows;
    rows.reserve(vctindex);
    // Only what this cycle recorded: the last record of the ring is never filled.
    for (int k = 0; k < vctindex; ++k)
        rows.push_back({vcttrace[0][k] * 50.0, double(vcttrace[1][k]), double(vcttrace[2][k]),
                        double(vcttrace[3][k])});
    WorkbookResult result = writeworkbook(
        "VCT trace", {"Rpm", "VCTi1 target", "VCTi1 feedback", "VCTi1 research"}, rows);
    vctindex = 0;
    return result;
}

} // namespace korvane
