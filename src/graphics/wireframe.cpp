#include "graphics/wireframe.h"
#include "core/colours.h"
#include "core/editorstate.h"
#include "core/livecell.h"
#include "platform/canvas.h"

#include <algorithm>

namespace korvane {

void flooredge(Canvas &pic, const Wireframe &w, int i1, int j1, int i2, int j2, uint32_t colour) {
    pic.line(w.x(i1, j1), w.floory[i1 * w.n + j1], w.x(i2, j2), w.floory[i2 * w.n + j2], colour);
}

void post(Canvas &pic, const Wireframe &w, int i, int j, uint32_t colour) {
    pic.line(w.x(i, j), w.floory[i * w.n + j], w.x(i, j), w.y(i, j), colour);
}

void segment(Canvas &pic, const Wireframe &w, Side side, int i, int j, uint32_t colour) {
    const int i2 = side == Side::rpm ? i + 1 : i;
    const int j2 = side == Side::load ? j + 1 : j;
    pic.line(w.x(i, j), w.y(i, j), w.x(i2, j2), w.y(i2, j2), colour);
}

bool inliverectangle(Side side, int i, int j) {
    return side == Side::load ? i <= liverpm && j < liveload : j <= liveload && i < liverpm;
}

void drawbands(Canvas &pic, const Wireframe &w) {
    const int last = w.n - 1;
    const int rpm = std::min<int>(liverpm, last), load = std::min<int>(liveload, last);
    const int cursorrpm = std::min<int>(currpm, last), cursorload = std::min<int>(curload, last);
    for (int j = 0; j <= w.loadused - 2; ++j)
        segment(pic, w, Side::load, rpm, j, colours[2]);
    for (int i = 0; i <= w.rpmused - 2; ++i)
        segment(pic, w, Side::rpm, i, load, colours[3]);
    // Over the live band the cursor band is dashed, so both show.
    for (int i = 0; i <= w.rpmused - 2; ++i)
        if (cursorload != load || i % 2 == 0) segment(pic, w, Side::rpm, i, cursorload, colours[5]);
    for (int j = 0; j <= w.loadused - 2; ++j)
        if (cursorrpm != rpm || j % 2 == 0) segment(pic, w, Side::load, cursorrpm, j, colours[5]);
}

void drawmarkers(Canvas &pic, const Wireframe &w) {
    auto marker = [&](int i, int j, uint32_t colour) {
        pic.circle(w.x(i, j), w.y(i, j), 20, colour);
    };
    if (groupactive) {
        const int last = w.n - 1;
        const int rpmfrom = std::min(grouprect[1], grouprect[3]);
        const int rpmto = std::min<int>(std::max(grouprect[1], grouprect[3]), last);
        const int loadfrom = std::min(grouprect[0], grouprect[2]);
        const int loadto = std::min<int>(std::max(grouprect[0], grouprect[2]), last);
        for (int i = rpmfrom; i <= rpmto; ++i)
            for (int j = loadfrom; j <= loadto; ++j)
                marker(i, j, colours[3]);
    }
    if (currpm < w.n && curload < w.n) marker(currpm, curload, colours[5]);
    if (liverpm < w.n && liveload < w.n) marker(liverpm, liveload, colours[3]);
}

} // namespace korvane
