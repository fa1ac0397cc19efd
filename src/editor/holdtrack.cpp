#include "editor/holdtrack.h"

#include "core/editorstate.h"
#include "core/flags.h"
#include "core/livedata.h"
#include "core/messages.h"
#include "core/onlineops.h"
#include "core/prefs.h"
#include "editor/axislabels.h"
#include "editor/colourmapcells.h"
#include "editor/gridscroll.h"
#include "editor/mapcatalogue.h"
#include "platform/colour.h"
#include "platform/mapgrid.h"

#include <QLabel>
#include <QPushButton>
#include <algorithm>

namespace korvane {

namespace {
// Preference slots of the hold and track behaviour.
constexpr int loadcentreslot = 3;
constexpr int yarrowslot = 6, xarrowslot = 7, ytoggleslot = 8, xtoggleslot = 9;

bool allowed(int slot) { return prefs[slot] != 0; }
bool held(int16_t flag) { return flag != 0; }

void inform(const QString &text) { showmessage(text, "Information", 30, 0); }

void setforecolour(QLabel *label, uint32_t colour)
{
    if (!label) return;
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, tocolor(colour));
    label->setPalette(palette);
}

void setbold(QPushButton *button, bool bold)
{
    if (!button) return;
    QFont font = button->font();
    font.setBold(bold);
    button->setFont(font);
}

void setcaptions(QPushButton *button, const char *text)
{
    if (button) button->setText(text);
}

void setenabled(QWidget *control, bool enabled)
{
    if (control) control->setEnabled(enabled);
}

// The cursor moved on the window: its drawing, the cell colours and the view follow.
void followcursor(holdwindow &window, MapGrid &grid)
{
    window.drawmap();
    colourmapcells(grid, 0);
    scrolltocell(grid, false);
}
} // namespace

void showpair(QPushButton *selected, QPushButton *other)
{
    setbold(selected, true);
    setbold(other, false);
}

void setxhold(holdwindow &window)
{
    rpmhold = prefon;
    setforecolour(window.Label1, holdcyan);
    showpair(window.Command8, window.Command7);
    showxlabel(window);
}

void setxtrack(holdwindow &window)
{
    rpmhold = prefoff;
    setforecolour(window.Label1, trackteal);
    showpair(window.Command7, window.Command8);
}

void setyhold(holdwindow &window)
{
    showpair(window.Command1, window.Command2);
    loadhold = prefon;
}

void setytrack(holdwindow &window)
{
    showpair(window.Command2, window.Command1);
    loadhold = prefoff;
}

void showxlabel(holdwindow &window)
{
    if (!window.Label1) return;
    switch (mapcatalogue(curmap).kind) {
    case mapkind::sites32: window.Label1->setText(rpmlabels[std::min<int>(currpm, 31)]); break;
    case mapkind::pwm24:
        // The same text as the row header, so the held row is recognisable.
        window.Label1->setText(headertext(headerkind::percent, currpm, 'X'));
        break;
    case mapkind::table16: break;
    }
}

void showholdtrack(holdwindow &window)
{
    if (held(rpmhold)) {
        setforecolour(window.Label1, holdcyan);
        showpair(window.Command8, window.Command7);
    } else {
        setforecolour(window.Label1, trackteal);
        showpair(window.Command7, window.Command8);
    }
    showxlabel(window);
    if (held(loadhold))
        showpair(window.Command1, window.Command2);
    else
        showpair(window.Command2, window.Command1);
    if (allowed(loadcentreslot))
        showpair(window.Command11, window.Command12);
    else
        showpair(window.Command12, window.Command11);
}

void setholdcaptions(holdwindow &window)
{
    const mapkind kind = mapcatalogue(curmap).kind;
    if (kind == mapkind::sites32) {
        setcaptions(window.Command8, "Rpm hold");
        setcaptions(window.Command7, "Rpm track");
        setcaptions(window.Command1, "Load hold");
        setcaptions(window.Command2, "Load track");
    } else if (kind == mapkind::pwm24) {
        setcaptions(window.Command8, "X hold");
        setcaptions(window.Command7, "X track");
        setcaptions(window.Command1, "Y hold");
        setcaptions(window.Command2, "Y track");
    }
    // A table has one axis and its entry follows the engine: nothing to hold.
    const bool enabled = kind != mapkind::table16;
    for (QWidget *control :
         {static_cast<QWidget *>(window.Command7), static_cast<QWidget *>(window.Command8),
          static_cast<QWidget *>(window.Command9), static_cast<QWidget *>(window.Command10),
          static_cast<QWidget *>(window.Command1), static_cast<QWidget *>(window.Command2),
          static_cast<QWidget *>(window.Label1), static_cast<QWidget *>(window.Command14),
          static_cast<QWidget *>(window.Command15)})
        setenabled(control, enabled);
    showxlabel(window);
}

namespace {
void stepcolumn(holdwindow &window, int step)
{
    pollready = 0; // the poll of the next tick would move the column the ECU just got
    const int last = maprows(curmap) - 1;
    if (step < 0 && currpm > 0) currpm = uint8_t(currpm - 1);
    if (step > 0 && currpm < last) currpm = uint8_t(currpm + 1);
    // At a bound the ECU is told again: it may have missed the last select.
    sendmapselect();
    showxlabel(window);
}
} // namespace

void xcolumndown(holdwindow &window) { stepcolumn(window, -1); }
void xcolumnup(holdwindow &window) { stepcolumn(window, +1); }

void seekcell(holdwindow &window, MapGrid &grid)
{
    // The live poll never moves the cursor of a table or of a held main-map axis.
    if (curmap >= 8 || held(loadhold)) {
        // A live cell left from a larger map is kept inside this one.
        curload = uint8_t(std::min(int(liveload), mapcols(curmap) - 1));
        followcursor(window, grid);
    }
    if (held(rpmhold) && online == flagset) {
        currpm = uint8_t(std::min(int(liverpm), maprows(curmap) - 1));
        sendmapselect();
        showxlabel(window);
        followcursor(window, grid);
    }
}

void toggleholdtrack(holdwindow &window, MapGrid &grid)
{
    if (allowed(ytoggleslot)) {
        if (!held(loadhold)) {
            setyhold(window);
        } else {
            setytrack(window);
            colourmapcells(grid, 255);
        }
        focusgrid(&grid);
    } else {
        inform("Y-axis/load track<->hold toggle not allowed by current user preferences");
    }
    if (allowed(xtoggleslot)) {
        if (!held(rpmhold)) {
            setxhold(window);
            sendmapselect();
            showholdtrack(window);
        } else {
            setxtrack(window);
            showholdtrack(window);
            colourmapcells(grid, 255);
        }
        focusgrid(&grid);
    } else {
        inform("X-axis/rpm track<->hold toggle not allowed by current user preferences");
    }
}

void yholdonarrow(holdwindow &window, MapGrid &grid)
{
    if (!allowed(yarrowslot)) {
        inform("Track to roam on key arrow not enabled (see preferences)");
        return;
    }
    setyhold(window);
    focusgrid(&grid);
    inform("You are now in Y-axis/load hold mode, press F8 to seek the current load cell");
}

void xholdonarrow(holdwindow &window, MapGrid &grid)
{
    if (!allowed(xarrowslot)) {
        inform("Track to roam on key arrow not enabled (see preferences)");
        return;
    }
    setxhold(window);
    sendmapselect();
    showholdtrack(window);
    focusgrid(&grid);
    inform("You are now in X-axis/rpm hold mode, press F8 to seek the current load cell");
}

} // namespace korvane
