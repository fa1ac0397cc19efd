// The main window's tool buttons and the preference state they show.
#include "core/editorstate.h"
#include "core/flags.h"
#include "core/messages.h"
#include "core/onlineops.h"
#include "core/prefs.h"
#include "editor/colourmapcells.h"
#include "editor/directentry.h"
#include "editor/frmfuel1.h"
#include "editor/frmfuel1links.h"
#include "editor/gridscroll.h"
#include "editor/interpolateselection.h"
#include "editor/mapcatalogue.h"
#include "editor/showmapvalues.h"
#include "platform/mapgrid.h"
#include "platform/virtualkeys.h"

#include <QPushButton>

namespace korvane {

namespace {
constexpr int loadcentreslot = 3, roamgridslot = 4;

bool held(int16_t flag) { return flag != 0; }
} // namespace

void frmFuel1::cmdSlow_MouseDown()
{
    trimstep = 1;
    showstep();
    focusgrid(mapgrid);
}

void frmFuel1::cmdFast_MouseDown()
{
    trimstep = curmap == 1 ? 10 : 2;
    showstep();
    focusgrid(mapgrid);
}

void frmFuel1::Command8_MouseDown()
{
    // Offline there is no live cell to leave: the axis stays as it is.
    if (online == flagset) setxhold(*this);
    sendmapselect();
    focusgrid(mapgrid);
}

void frmFuel1::Command7_MouseDown()
{
    setxtrack(*this);
    focusgrid(mapgrid);
}

void frmFuel1::Command10_MouseDown()
{
    if (!held(rpmhold)) return;
    xcolumndown(*this);
    focusgrid(mapgrid);
}

void frmFuel1::Command9_MouseDown()
{
    if (!held(rpmhold)) return;
    xcolumnup(*this);
    focusgrid(mapgrid);
}

void frmFuel1::Command1_MouseDown()
{
    if (online == flagset) setyhold(*this);
    focusgrid(mapgrid);
}

void frmFuel1::Command2_MouseDown()
{
    setytrack(*this);
    focusgrid(mapgrid);
}

// A centring or roam button: the pair shows it, the preference slot keeps it (unsaved).
void frmFuel1::choosepreference(QPushButton *selected, QPushButton *other, int slot, int16_t value)
{
    showpair(selected, other);
    prefs[slot] = value;
    focusgrid(mapgrid);
}

void frmFuel1::Command11_MouseDown() { choosepreference(Command11, Command12, loadcentreslot, prefon); }
void frmFuel1::Command12_MouseDown() { choosepreference(Command12, Command11, loadcentreslot, prefoff); }
void frmFuel1::Command14_MouseDown() { choosepreference(Command14, Command15, roamgridslot, prefon); }
void frmFuel1::Command15_MouseDown() { choosepreference(Command15, Command14, roamgridslot, prefoff); }

void frmFuel1::Command3_MouseDown()
{
    const frmfuel1links &links = fuel1links();
    const mapkind kind = mapcatalogue(curmap).kind;
    if (kind == mapkind::table16) {
        showmessage("Copy function not available for 2D maps", "Information", 30, 0);
        focusgrid(mapgrid);
        return;
    }
    if (links.copyrows) links.copyrows();
    // Whatever the copy window did, the map is shown afresh.
    const auto &draw = kind == mapkind::pwm24 ? links.threedraw24 : links.threedraw32;
    if (draw) draw();
    korvane::showmapvalues(*mapgrid, 255);
    korvane::colourmapcells(*mapgrid, 255);
    focusgrid(mapgrid);
}

void frmFuel1::Command13_MouseDown(int index)
{
    switch (index) {
    case 0: toggleholdtrack(*this, *mapgrid); break;
    case 1: mnuMainSave_Click(); break;
    case 2: mnuRamMapGroup_Click(0); break;
    case 3: mnuRamMapGroup_Click(3); break;
    case 4:
    case 5:
        if (!groupactive) break;
        interpolateselection(index == 4, *this);
        korvane::showmapvalues(*mapgrid, 255);
        drawmap();
        break;
    case 6: directentry(*this, *mapgrid); break;
    case 7: seekcell(*this, *mapgrid); break;
    case 8: mnuFloatGrid_Click(); break;
    default: break;
    }
    focusgrid(mapgrid);
}

void frmFuel1::formfunctions(int keycode, MapGrid &grid)
{
    const int index = keycode - vk::f1;
    if (index >= 0 && index <= 5) {
        Command13_MouseDown(index);
    } else if (keycode == vk::f1 + 6) {
        directentry(*this, grid);
    } else if (keycode == vk::f1 + 7) {
        seekcell(*this, grid);
    } else if (keycode == vk::f9) {
        if (mapcatalogue(curmap).kind != mapkind::table16 && fuel1links().floatgrid)
            fuel1links().floatgrid();
    }
}

void frmFuel1::setpreferences()
{
    if (held(rpmhold)) {
        if (online == flagset) setxhold(*this);
        sendmapselect();
    } else {
        setxtrack(*this);
    }
    focusgrid(mapgrid);
    if (held(loadhold)) {
        if (online == flagset) setyhold(*this);
    } else {
        showpair(Command2, Command1);
        loadhold = prefoff;
    }
    focusgrid(mapgrid);
    if (held(prefs[loadcentreslot]))
        showpair(Command11, Command12);
    else
        showpair(Command12, Command11);
    focusgrid(mapgrid);
    if (held(prefs[roamgridslot]))
        showpair(Command14, Command15);
    else
        showpair(Command15, Command14);
    focusgrid(mapgrid);
}

} // namespace korvane
