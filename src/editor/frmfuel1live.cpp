// The main window's live loop and its online/offline switch.
#include "core/connection.h"
#include "core/editorstate.h"
#include "core/flags.h"
#include "core/linestate.h"
#include "core/livedata.h"
#include "core/mainport.h"
#include "core/messages.h"
#include "core/onlineops.h"
#include "core/prefs.h"
#include "editor/colourmapcells.h"
#include "editor/frmfuel1.h"
#include "editor/frmfuel1links.h"
#include "editor/gridscroll.h"
#include "editor/mapcatalogue.h"
#include "editor/pendingcells.h"
#include "platform/forms.h"
#include "platform/mapgrid.h"
#include "platform/pollrate.h"
#include "platform/serialport.h"

#include <QLabel>
#include <QTimer>

namespace korvane {

void frmFuel1::Timer1_Timer()
{
    if (online == 0) {
        editready = flagset;
        setpollrate(*Timer1, true, liveinterval);
        return;
    }
    const LivePoll poll = getlivedata();
    if (poll.outcome == LivePoll::failed && droplostport()) return;
    finishpoll(poll);
    // One display job a tick, for the phase the next poll runs.
    switch (pollphase % 3) {
    case 0: Label2->setText(QString::number(enginerpm) + " rpm "); break;
    case 1:
        if (fuel1links().paneldraw) fuel1links().paneldraw();
        korvane::colourmapcells(*mapgrid, 0);
        break;
    default: drawmap(); break;
    }
    // A silent ECU slows the loop until its first good reply, so the window keeps answering;
    // set after the display job, which may have shown the cam-timing view and its faster rate.
    setpollrate(*Timer1, poll.outcome != LivePoll::failed, liveinterval);
}

void frmFuel1::finishpoll(const LivePoll &poll)
{
    if (poll.outcome == LivePoll::completed) {
        // The grid's current cell follows the cursor the poll moved on the axes not held.
        const int row = mapcatalogue(curmap).kind == mapkind::table16 ? 0 : currpm;
        if (incell(curmap, row, curload)) mapgrid->setcurrentcell(row, curload);
        focusgrid(mapgrid);
        Label42->setText(poll.label);
    } else if (poll.outcome == LivePoll::failed) {
        Label42->setText(poll.label);
    }
}

bool frmFuel1::droplostport()
{
    return online != 0 && !mainport().fault().isEmpty() && takeofflineifportdead();
}

// The main window's part of going offline, whatever took the program there: "Offline
// editing ..." must not stay up offline, nor the press-Enter hint.
void frmFuel1::wentoffline()
{
    showmaphint();
    focusgrid(mapgrid);
}

void frmFuel1::mnucom1_Click()
{
    if (online != 0) {
        gooffline(Offline::tuner);
        return;
    }
    Label42->setText("online");
    // A port that will not open, or an ECU that does not answer, leaves the program offline;
    // checkversion has told the user about the silence, the port's reason is told here.
    const QString porterror = connectmainport();
    if (!porterror.isEmpty()) showmessage(porterror, "System error", 30, forced);
    if (!porterror.isEmpty() || checkversion(1) == VersionCheck::noreply) {
        connectionfailed("error");
        focusgrid(mapgrid);
        return;
    }
    goonline(true);
    // A trim acts on the column the ECU last received: an axis held while offline must be
    // told to the ECU before the first online edit.
    if (rpmhold != 0) sendmapselect();
    // The press-Enter hint replaces "Offline editing ...".
    showmaphint();
    focusgrid(mapgrid);
}

} // namespace korvane
