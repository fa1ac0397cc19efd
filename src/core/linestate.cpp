#include "core/linestate.h"

#include "core/editorstate.h"
#include "core/flags.h"
#include "core/mainport.h"
#include "core/mainwindowhooks.h"
#include "core/messages.h"
#include "platform/serialport.h"

namespace korvane {

namespace {
uint8_t onlinestate = 0;
uint8_t editedsincesync = 0;
bool instep = true;
bool maydiffer = false;
QString lostreason; // the dead port's reason while the program is offline because of it

QString lostporttext(const QString &reason) {
    return QStringLiteral("The serial port stopped working (") + reason + QStringLiteral(")");
}

// What the tuner is told when the program goes offline, after every fact is set.
void tellwhyoffline(Offline why, const QString &reason) {
    switch (why) {
    case Offline::tuner:
        showmessage(QStringLiteral("Any changes made off-line will not take effect at the ecu. "
                                   "You must download after an off-line edit for changes to be "
                                   "made."),
                    QStringLiteral("Information"), 50, 0);
        break;
    case Offline::portlost:
        showmessage(lostporttext(reason) + QStringLiteral(": the program is now offline"),
                    QStringLiteral("System error"), untildismissed, forced);
        break;
    case Offline::notreopened:
        showmessage(QStringLiteral("The serial port could not be opened again (") + reason +
                        QStringLiteral("): the program is now offline"),
                    QStringLiteral("System error"), untildismissed, forced);
        break;
    case Offline::windowclosing:
        break;
    }
}
} // namespace

const uint8_t &online = onlinestate;
const uint8_t &ecudirty = editedsincesync;

bool lineinstep() {
    return instep;
}
void marklineoutofstep() {
    instep = false;
}
void marklineinstep() {
    instep = true;
}

void markedited() {
    modified = flagset;
    editedsincesync = flagset;
}

bool ecumaydiffer() {
    return maydiffer;
}
void markecumaydiffer() {
    maydiffer = true;
}
void markdownloaded() {
    maydiffer = false;
}
void markuploaded() {
    maydiffer = false;
    editedsincesync = 0;
}

bool syncwarningdue() {
    return editedsincesync == flagset || maydiffer;
}

QString connectmainport() {
    lostreason.clear();
    if (syncwarningdue() && mainwindowhooks().syncwarning) mainwindowhooks().syncwarning();
    return openmainport();
}

void connectionfailed(const QString &status) {
    closemainport();
    setmainstatus(status);
}

void goonline(bool clearsync) {
    if (clearsync) editedsincesync = 0;
    editready = flagset;
    onlinestate = flagset;
    setmainstatus(QStringLiteral("online"));
}

void gooffline(Offline why, const QString &reason) {
    closemainport();
    if (onlinestate == 0) return;
    // An entry never sent is a change the ECU never confirmed: the next download must carry
    // it, and every connection until then must warn.
    const bool waiting = entrypending;
    onlinestate = 0;
    entrypending = false;
    if (waiting) maydiffer = true;
    if (why == Offline::tuner) editedsincesync = 0;
    if (why == Offline::portlost || why == Offline::notreopened) lostreason = reason;
    setmainstatus(QStringLiteral("offline"));
    if (mainwindowhooks().wentoffline) mainwindowhooks().wentoffline();
    // Every fact stands before the tuner is told: a notice waits for the tuner while every
    // window's timer runs.
    tellwhyoffline(why, reason);
    if (waiting && mainwindowhooks().unsentnotice) mainwindowhooks().unsentnotice();
}

bool mainportdown() {
    return !mainport().fault().isEmpty() || !mainport().PortOpen();
}

bool takeofflineifportdead() {
    const QString reason = mainport().fault();
    if (!reason.isEmpty() && onlinestate == flagset) gooffline(Offline::portlost, reason);
    return mainportdown();
}

QString offlinetext() {
    return lostreason.isEmpty() ? QStringLiteral("offline") : lostporttext(lostreason);
}

void restoremainport() {
    // A port that died is not opened again behind the tuner's back: its reason is told.
    const QString fault = mainport().fault();
    if (!fault.isEmpty()) {
        gooffline(Offline::portlost, fault);
        return;
    }
    const QString reason = reopenmainport();
    if (!reason.isEmpty()) gooffline(Offline::notreopened, reason);
}

void resetlinestate() {
    onlinestate = 0;
    editedsincesync = 0;
    instep = true;
    maydiffer = false;
    lostreason.clear();
}

} // namespace korvane
