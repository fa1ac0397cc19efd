#pragma once
#include <QString>

namespace korvane {

// The facts about the ECU's line that every path shares, and their one owner: only the
// functions below change them, so a window or transfer added later can neither forget a rule
// nor go round it. Elsewhere they are read (online and ecudirty through core/flags.h).
//
// - online: the main port is open and the ECU answered. Set by goonline, cleared by gooffline.
// - in step: no reply is owed, so a byte read answers the query just sent. Lost by
//   marklineoutofstep (a reply missed, a transfer cut short), regained by marklineinstep (an
//   exchange that ended clean).
// - ecudirty: the tuner edited the image since the last synchronisation. Set by markedited;
//   cleared by COM On and COM Off (whose messages told the tuner) and by markuploaded.
// - the ECU may differ: a change the ECU did not confirm (a write lost or refused, a trim or
//   row copy without its answer, an AFR step unanswered, a download or boot cut short, an entry
//   still waiting for Enter when the program went offline). Set by markecumaydiffer; cleared
//   only by markdownloaded and markuploaded, since nothing else can know what the ECU holds.
//
// Whether the next connection warns is the one question syncwarningdue(), asked only where a
// connection starts (connectmainport), however the program got there, online or offline.

// In step: closing and opening a port changes nothing, the ECU still owes the bytes.
bool lineinstep();
void marklineoutofstep();
// Only an exchange's clean end (nothing came after its answer) calls this.
void marklineinstep();

// The tuner changed the image: unsaved, and edited since the last synchronisation.
void markedited();

// The ECU may hold something other than the image.
bool ecumaydiffer();
void markecumaydiffer();
// A download completed: the ECU holds the image as it stands. The tuner's edits since the last
// synchronisation still warn at the next connection (ecudirty stays).
void markdownloaded();
// An upload completed: the image is now the ECU's own; nothing differs and nothing is left to
// warn of.
void markuploaded();

// The one question of the synchronisation warning: an edit since the last synchronisation, or
// a change the ECU did not confirm.
bool syncwarningdue();

// Every attempt to go online starts here (the connection as the main window opens, COM On):
// forgets why a port was lost before, shows the synchronisation warning when it is due and
// opens the main port on comport. Returns why the port would not open (it is then closed).
QString connectmainport();
// An attempt that failed: the main port closed, the program stays offline, and the main
// window's status label reads status ("offline", or "error" for the tuner's switch).
void connectionfailed(const QString &status);

// The move online, once the ECU has answered on the open main port: sets editready and
// online and the main window's label to "online". The tuner's COM On (clearsync) also clears
// ecudirty, whose warning has been given; the connection at start leaves it.
void goonline(bool clearsync = false);

// Why the program goes offline.
enum class Offline {
    tuner,        // COM Off: both switch directions clear ecudirty
    portlost,     // a window found the main port dead
    notreopened,  // the main port would not open again after a transfer or the logger
    windowclosing // the main window closes
};

// The one move offline, whatever found it: closes the main port; sets online 0, keeps every
// entry still waiting for Enter as a change the ECU did not confirm, and the label "offline";
// lets the main window follow; and only then tells the tuner why (the port's own reason, in a
// notice that stays until dismissed when the port was lost) and which entries were not sent.
// Does nothing but close the port while offline.
void gooffline(Offline why, const QString &reason = {});

// The main port is down: it died (a fault) or is closed. Changes nothing.
bool mainportdown();
// After an exchange on the main port failed: when the port died while online, takes the
// program offline with the port's reason (a notice that waits for the tuner). Returns
// mainportdown().
bool takeofflineifportdead();

// What a window that polls the ECU shows while the main port is down: "offline", or the lost
// port's reason, "The serial port stopped working (<reason>)".
QString offlinetext();

// Reopens the main port on the device it was closed on, after a transfer or the logger had it
// closed; a line left out of step stays so. A port that died, or that will not open again,
// takes the program offline with the reason, so the live loop never runs on a closed port.
void restoremainport();

// As the program starts: offline, the line in step, nothing edited, nothing to warn of, no lost
// port. Tests start each case from here.
void resetlinestate();

} // namespace korvane
