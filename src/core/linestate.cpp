#include "core/linestate.h"

#include "core/editorstate.h"
#include "core/flags.h"
#include "core/mainport.h"
#include "core/mainwindowhooks.h"
#include "core/messages.h"
#include "platform/serialport.h"

namespace korvane {

namespace {
bool instep = true;
bool maydiffer = false;
QString lostreason; // the dead port's reason while the program is offline because of it

QString lostporttext(const QString &reason) {
    return QStringLiteral("The serial port stopped working (") + reason + QStringLiteral(")");
}
} // namespace

uint8_t online = 0;
uint8_t ecudirty = 0;

bool lineinstep() { return instep; }
void marklineoutofstep() { instep = false; }
void marklineinstep() { instep = true; }

bool ecumaydiffer() { return maydiffer; }
void markecumaydiffer() { maydiffer = true; }
void markecumatchesimage() { maydiffer = false; }
void imagefromecu() {
    maydiffer = false;
    ecudirty = 0;
}

void goonline(bool clearsync) {
    lostreason.clear();
    if (clearsync) ecudirty = 0;
    editready = flagset;
    online = flagset;
    setmainstatus(QStringLiteral("online"));
}

void gooffline(Offline why, const QString &reason) {
    closemainport();
    if (online == 0) return;
    // An entry never sent, or a change the ECU never confirmed, is still an offline edit:
    // the next download must carry it, and the next connection must warn.
    const bool waiting = entrypending;
    if (why == Offline::tuner) ecudirty = 0;
    online = 0;
    entrypending = false;
    setmainstatus(QStringLiteral("offline"));
    switch (why) {
    case Offline::tuner:
        showmessage(QStringLiteral("Any changes made off-line will not take effect at the ecu. "
                                   "You must download after an off-line edit for changes to be "
                                   "made."),
                    QStringLiteral("Information"), 50, 0);
        break;
    case Offline::portlost:
        lostreason = reason;
        showmessage(lostporttext(reason) + QStringLiteral(": the program is now offline"),
                    QStringLiteral("System error"), untildismissed, forced);
        break;
    case Offline::notreopened:
        lostreason = reason;
        showmessage(QStringLiteral("The serial port could not be opened again (") + reason +
                        QStringLiteral("): the program is now offline"),
                    QStringLiteral("System error"), untildismissed, forced);
        break;
    case Offline::windowclosing: break;
    }
    if (waiting || maydiffer) ecudirty = flagset;
    if (mainwindowhooks().wentoffline) mainwindowhooks().wentoffline(waiting);
}

bool mainportlost() {
    SerialPort &port = mainport();
    const QString reason = port.fault();
    if (!reason.isEmpty() && online == flagset) {
        gooffline(Offline::portlost, reason);
        return true;
    }
    return !port.PortOpen();
}

QString offlinetext() {
    return lostreason.isEmpty() ? QStringLiteral("offline") : lostporttext(lostreason);
}

} // namespace korvane
