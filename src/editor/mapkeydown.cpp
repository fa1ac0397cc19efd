#include "editor/mapkeydown.h"

#include "core/calimage.h"
#include "core/editorstate.h"
#include "core/flags.h"
#include "core/messages.h"
#include "core/onlineops.h"
#include "core/prefs.h"
#include "editor/colourmapcells.h"
#include "editor/delval.h"
#include "editor/directentry.h"
#include "editor/gridscroll.h"
#include "editor/mapcatalogue.h"
#include "editor/mapwindow.h"
#include "editor/multientry.h"
#include "editor/pendingcells.h"
#include "editor/showmapvalues.h"
#include "platform/beep.h"
#include "platform/mapgrid.h"
#include "platform/virtualkeys.h"

#include <algorithm>

namespace korvane {

namespace {
constexpr int roamgridslot = 4;
constexpr int ctrlalone = 2;

bool is3d() { return mapcatalogue(curmap).kind != mapkind::table16; }
bool pendingonline() { return entrypending && online == flagset; }
bool held(int16_t flag) { return flag != 0; }
bool isarrow(int key) { return key >= vk::left && key <= vk::down; }

// A step of an arrow key along the load side and the rpm side.
struct Step {
    int load = 0, rpm = 0;
};

// The main window in "roam map" mode follows the 3D drawing on 3D maps; everything else
// follows the grid, whose rows are the rpm side.
Step arrowstep(const mapwindow &window, int key)
{
    const bool graph = window.ismainwindow() && prefs[roamgridslot] == 0 && is3d();
    switch (key) {
    case vk::right: return graph ? Step{0, 1} : Step{1, 0};
    case vk::left: return graph ? Step{0, -1} : Step{-1, 0};
    case vk::up: return graph ? Step{1, 0} : Step{0, -1};
    case vk::down: return graph ? Step{-1, 0} : Step{0, 1};
    default: return {};
    }
}

// Moves an index one step within 0..count-1.
uint8_t stepwithin(uint8_t index, int step, int count)
{
    return uint8_t(std::clamp(int(index) + step, 0, count - 1));
}

void endgroup(MapGrid &grid)
{
    groupactive = false;
    colourmapcells(grid, 255);
}

void loadmove(mapwindow &window, MapGrid &grid, int step)
{
    if (pendingonline()) {
        pressentermessage();
        return;
    }
    if (groupactive) endgroup(grid);
    if (is3d() && !held(loadhold) && online == flagset) {
        // The first arrow on a tracking axis only holds it.
        yholdonarrow(window, grid);
        scrolltocell(grid, false);
        focusgrid(&grid);
        return;
    }
    curload = stepwithin(curload, step, mapcols(curmap));
    window.drawmap();
    colourmapcells(grid, 0);
    scrolltocell(grid, false);
    focusgrid(&grid);
}

void rpmmove(mapwindow &window, MapGrid &grid, int step)
{
    if (pendingonline()) {
        pressentermessage();
        return;
    }
    if (groupactive) endgroup(grid);
    if (!is3d()) {
        // A table has one row: Up and Down leave the cursor where it is.
    } else if (online == flagset) {
        if (held(rpmhold)) {
            currpm = stepwithin(currpm, step, maprows(curmap));
            // The trim acts on the column the ECU last received.
            sendmapselect();
        } else {
            xholdonarrow(window, grid); // tells the ECU the column itself when it holds
        }
    } else {
        currpm = stepwithin(currpm, step, maprows(curmap));
    }
    showxlabel(window);
    window.drawmap();
    colourmapcells(grid, 0);
    scrolltocell(grid, false);
    focusgrid(&grid);
}

void stepedit(mapwindow &window, MapGrid &grid, int direction)
{
    if (groupactive) {
        multientry(direction, window);
        showmapvalues(grid, 255);
        focusgrid(&grid);
        return;
    }
    // A trim lands on the column the ECU last confirmed: unless that is the cursor's, or a
    // select makes it so, neither the PC's cell nor the ECU's may move.
    if (curmap <= 7 && editready != 0 && !trimcolumnready()) {
        showmessage("The ECU did not confirm the map column: the cell was not changed, try again",
                    "System error", 30, forced);
        focusgrid(&grid);
        return;
    }
    int d = direction;
    delval(d, curload, currpm, window.ismainwindow());
    if (curmap <= 7) sendinc(d, curload);
    showmapvalues(grid, 0);
    focusgrid(&grid);
}

// Online Enter without a group: the cells an entry waits for (the live poll may have moved
// the cursor since), else the cursor cell, go to the ECU. Maps 1..7 have no such write.
void sendcell()
{
    if (entrypending && !pendingcells.empty()) {
        sendcells(pendingcells);
        return;
    }
    const int row = is3d() ? currpm : 0;
    if (singlewriteaddress(curmap, row, curload) < 0) return;
    // Nothing was waiting: a cell that does not arrive is reported, not made to wait.
    sendcells({{curmap, row, curload}}, {}, false);
}

void commit(mapwindow &window, MapGrid &grid)
{
    if (online == flagset && !groupactive) {
        sendcell();
        focusgrid(&grid);
        return;
    }
    // The group write leaves the cells it could not write pending for the next Enter.
    if (online == flagset && groupactive && curmap >= 40) multientryprogress(window);
    if (groupactive) {
        endgroup(grid);
        showmapvalues(grid, 255);
    }
    window.drawmap();
    focusgrid(&grid);
}

void escape(mapwindow &window, MapGrid &grid)
{
    if (pendingonline()) {
        pressentermessage();
        return;
    }
    if (groupactive) endgroup(grid);
    window.drawmap();
    focusgrid(&grid);
}

void cyclevctview()
{
    const bool vctenabled = curimage.settings[13][11] > 0;
    if (curmap == 40 && online == flagset && vctenabled) {
        if (++vctview > 9) {
            vctview = 0;
            vctindex = 0;
        }
    } else {
        vctview = 0;
    }
}
} // namespace

void pressentermessage()
{
    showmessage("You should press enter to complete each cell entry or group cell entry. Please "
                "press enter after this message is unloaded to complete the cell entry of group "
                "cell entry.",
                "Information", 30, forced);
}

void mapkeydown(mapwindow &window, MapGrid &grid, int keycode, int shift)
{
    if (shift == ctrlalone) {
        if (is3d()) shiftarrow(window, grid, keycode, shift);
        focusgrid(&grid);
        return;
    }
    if (keycode >= vk::f1 && keycode <= vk::f9) {
        window.formfunctions(keycode, grid);
        focusgrid(&grid);
        return;
    }
    if (isarrow(keycode)) {
        const Step step = arrowstep(window, keycode);
        if (step.load != 0)
            loadmove(window, grid, step.load);
        else
            rpmmove(window, grid, step.rpm);
        return;
    }
    switch (keycode) {
    case vk::letterV: cyclevctview(); break;
    case vk::pageup: stepedit(window, grid, +1); return;
    case vk::pagedown: stepedit(window, grid, -1); return;
    case vk::digit9:
        window.cmdSlow_MouseDown();
        beep();
        break;
    case vk::digit0:
        window.cmdFast_MouseDown();
        beep();
        break;
    case vk::escape: escape(window, grid); return;
    case vk::space: directentry(window, grid); break;
    case vk::enter: commit(window, grid); return;
    default: break;
    }
    focusgrid(&grid);
}

void shiftarrow(mapwindow &window, MapGrid &grid, int keycode, int)
{
    if (!isarrow(keycode)) return;
    if (entrypending) {
        pressentermessage();
        return;
    }
    if (!groupactive) {
        groupactive = true;
        grouprect[0] = grouprect[2] = curload;
        grouprect[1] = grouprect[3] = currpm;
    }
    const Step step = arrowstep(window, keycode);
    const int count = maprows(curmap); // 32, or 24 on the PWM maps
    grouprect[2] = stepwithin(grouprect[2], step.load, count);
    grouprect[3] = stepwithin(grouprect[3], step.rpm, count);
    scrolltocell(grid, false);
    window.drawmap();
    colourmapcells(grid, 255);
}

} // namespace korvane
