#pragma once
#include <QString>

namespace korvane {

// The facts about the ECU's line that every path shares. Each has its owner here, so a window
// or transfer added later cannot forget one: whether the line is in step, whether the ECU may
// hold something other than the image, and the move offline.

// In step: false from a reply that never came or a transfer cut short, on whichever port,
// until an exchange ends clean. Meanwhile the ECU may still send what it owed, so a byte read
// may belong to an earlier query. Closing and opening a port changes nothing: the ECU still
// owes the bytes.
bool lineinstep();
void marklineoutofstep();
// Only an exchange's clean end (nothing came after its answer) calls this.
void marklineinstep();

// The ECU may differ from the image: set by an exchange that may have changed the ECU's memory
// and did not end with its confirmation (a write refused or lost, a trim with a wrong or
// missing checksum, a row copy without its reply, a download or boot that did not complete,
// a setting the ECU was never sent). Every move offline then leaves ecudirty set, so the next
// connection warns. Only a completed download or upload clears it.
bool ecumaydiffer();
void markecumaydiffer();
void markecumatchesimage();
// An upload made the ECU's memory the image: nothing differs, and no edit is left to warn of.
void imagefromecu();

// Why the program goes offline.
enum class Offline {
    tuner,        // COM Off: both switch directions clear ecudirty first
    portlost,     // a window found the main port dead
    notreopened,  // the main port would not open again after a transfer or the logger
    windowclosing // the main window closes
};

// The move online, once the ECU has answered on the open main port: sets editready and
// online and the main window's label to "online". The tuner's COM On (clearsync) also clears
// ecudirty, whose warning has been given; the connection at start leaves it.
void goonline(bool clearsync = false);

// The one move offline, whatever found it: closes the main port, sets online 0 and the main
// window's label to "offline", keeps every entry still waiting for Enter (named to the tuner)
// and the ECU-may-differ mark as ecudirty, and says why with the port's own reason (a notice
// of a lost port stays until dismissed). Does nothing but close the port while offline.
void gooffline(Offline why, const QString &reason = {});

// After an exchange on the main port failed: when the port itself died, takes the program
// offline (portlost, with the port's reason) and returns true; a live port returns false.
// Also true when the program is offline with the main port closed.
bool mainportlost();

// What a window that polls the ECU shows while the main port is down: "offline", or the lost
// port's reason, "The serial port stopped working (<reason>)".
QString offlinetext();

} // namespace korvane
