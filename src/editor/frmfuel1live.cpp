// The main window's live loop and its online/offline switch.
#include "core/connection.h"
#include "core/editorstate.h"
#include "core/flags.h"
#include "core/livedata.h"
#include "core/mainport.h"
#include "core/messages.h"
#include "core/onlineops.h"
#include "core/prefs.h"
#include "editor/colourmapcells.h"
#include "editor/frmfuel1.h"
#include "editor/frmfuel1links.h"
#include "editor/frmwarn6.h"
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
    const QString reason = mainport().fault();
    if (online == 0 || reason.isEmpty()) return false;
    leaveonline([&reason] {
        showmessage("The serial port stopped working (" + reason + "): the program is now offline",
                    "System error", 50, forced);
    });
    return true;
}

void frmFuel1::leaveonline(const std::function<void()> &notice)
{
    closemainport();
    // An entry never sent, or a write refused or lost on the line, is still an offline edit:
    // the next download must carry it.
    const bool unsent = entrypending || writemissed;
    const bool waiting = entrypending;
    writemissed = false;
    Label42->setText("offline");
    online = 0;
    entrypending = false;
    notice();
    if (waiting) unsententriesnotice();
    if (unsent) ecudirty = flagset;
    // "Offline editing ..." must not stay up offline, nor the press-Enter hint.
    showmaphint();
    focusgrid(mapgrid);
}

void frmFuel1::mnucom1_Click()
{
    if (online != 0) {
        ecudirty = 0;
        leaveonline([] {
            showmessage("Any changes made off-line will not take effect at the ecu. You must "
                        "download after an off-line edit for changes to be made.",
                        "Information", 50, 0);
        });
        return;
    }
    closemainport();
    writemissed = false;
    Label42->setText("online");
    if (ecudirty == flagset) form<frmWarn6>()->exec();
    // A port that will not open, or an ECU that does not answer, leaves the program offline;
    // checkversion has told the user about the silence, the port's reason is told here.
    const QString porterror = openmainport();
    if (!porterror.isEmpty()) showmessage(porterror, "System error", 30, forced);
    if (!porterror.isEmpty() || checkversion(1) == VersionCheck::noreply) {
        closemainport();
        Label42->setText("error");
        focusgrid(mapgrid);
        return;
    }
    editready = flagset;
    online = flagset;
    // A trim acts on the column the ECU last received: an axis held while offline must be
    // told to the ECU before the first online edit.
    if (rpmhold != 0) sendmapselect();
    ecudirty = 0;
    // The press-Enter hint replaces "Offline editing ...".
    showmaphint();
    focusgrid(mapgrid);
}

} // namespace korvane
