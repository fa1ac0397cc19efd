#include "graphics/drawvct.h"

#include "core/colours.h"
#include "core/editorstate.h"
#include "core/livedata.h"
#include "editor/celltext.h"
#include "editor/frmfuel1.h"
#include "editor/numbertext.h"
#include "graphics/vctexport.h"
#include "platform/canvas.h"
#include "platform/forms.h"
#include "platform/savefile.h"

#include <QLineEdit>
#include <QLocale>
#include <algorithm>

namespace korvane {

namespace {
constexpr uint32_t yellow = 0x00FFFF, green = 0x00FF00, cyan = 0xFFFF00, white = 0xFFFFFF;
constexpr int pollms = 50;
constexpr int captionx = 4200, valuex = 6000;
constexpr int tracebase = 5000, tracestep = 66;

uint8_t rpmbyte(int rpm) { return rpm >= 12000 ? 255 : uint8_t(std::max(rpm, 0) / 50); }

void record()
{
    vcttrace[0][vctindex] = rpmbyte(enginerpm);
    vcttrace[1][vctindex] = vct1target;
    vcttrace[2][vctindex] = vct1feedback;
    vcttrace[3][vctindex] = vctresearch;
    if (vctindex < vctsamples - 1) ++vctindex;
    if (vctindex == vctsamples - 1) {
        // Never a modal box here: the live loop's timer would fire under it.
        const WorkbookResult result = exportvctexcel();
        // The hint line names the file the trace went to, or why it went nowhere.
        QString told = result.error;
        if (result.outcome == WorkbookResult::notwritten) told = "VCT export failed: " + told;
        if (result.outcome == WorkbookResult::opened) told = writtennotice("workbook", result.path);
        if (loaded<frmFuel1>()) form<frmFuel1>()->Text1->setText(told);
    }
}

void printrow(Canvas &pic, int y, uint32_t colour, const QString &caption, const QString &value)
{
    pic.ForeColor = colour;
    pic.print(captionx, y, caption);
    pic.print(valuex, y, value);
}

QString degrees(uint8_t raw) { return fixedtext(vctangle(raw, vctspread), 1); }

void tracestepline(Canvas &pic, int s, uint8_t b, uint32_t colour)
{
    pic.line(tracestep * s, tracebase - 9 * b, tracestep * s + tracestep, tracebase - 9 * b,
             colour);
}
} // namespace

void drawVCT(Canvas &pic)
{
    if (vctview < 5) return;
    // The live loop takes the faster rate at the end of this tick, unless the ECU fell silent.
    if (loaded<frmFuel1>()) {
        int &interval = form<frmFuel1>()->liveinterval;
        interval = std::min(interval, pollms);
    }
    pic.DrawWidth = 1;
    pic.FontName = "arial";
    pic.FontSize = 10;
    record();
    // The trace area starts afresh every 100 samples.
    if (vctindex % 100 == 1) pic.box(0, 0, 7100, 5300, colours[0]);
    if (curmap == 40) {
        const QLocale locale;
        printrow(pic, 100, yellow, "VCTi1 target: ", degrees(vct1target));
        printrow(pic, 400, green, "VCTi1 feedback: ", degrees(vct1feedback));
        printrow(pic, 700, cyan, "VCTi2 feedback: ", degrees(vct2feedback));
        printrow(pic, 1000, white, "VCT buffer index: ", locale.toString(vctindex));
        printrow(pic, 1300, yellow, "VCT research: ", locale.toString(vctresearch));
    }
    const int s = vctindex % 100;
    tracestepline(pic, s, vct2feedback, cyan);
    tracestepline(pic, s, vct1target, yellow);
    tracestepline(pic, s, vct1feedback, green);
}

} // namespace korvane
