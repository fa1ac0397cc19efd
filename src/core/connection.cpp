#include "core/connection.h"

#include "core/buildprofile.h"
#include "core/commands.h"
#include "core/commio.h"
#include "core/flags.h"
#include "core/linestate.h"
#include "core/mainport.h"
#include "core/messages.h"
#include "core/prefs.h"

namespace korvane {

namespace {
constexpr int autoconnectslot = 10;
constexpr int notforced = 0;

void stayoffline(const QString &why) {
    connectionfailed(QStringLiteral("offline"));
    showmessage(why, QStringLiteral("System error"), 30, notforced);
}
} // namespace

void getecu() {
    if (online != 0 || prefs[autoconnectslot] != prefon) return;
    const QString porterror = connectmainport();
    if (!porterror.isEmpty()) {
        stayoffline(porterror);
        return;
    }
    // A late reply the ECU still owes from a transfer must not pass for its firmware byte.
    settleline(mainport());
    commtx = cmd::version;
    commio(0);
    commend();
    if (commerror != 0) {
        stayoffline(QStringLiteral("ECU not connected. You can proceed offline tuning, or fix the "
                                   "problem and connect via the communications menu"));
        return;
    }
    goonline();
    if (commrx != expectedfw)
        showmessage(QStringLiteral("ECU is connected, but you are using the wrong software "
                                   "version, using this software could cause coil damage!"),
                    QStringLiteral("System error"), 30, notforced);
}

VersionCheck checkversion(int mode) {
    if (mode != 1 && mode != 2) return VersionCheck::notrun;
    const int force = mode == 2 ? forced : notforced;
    settleline(mainport());
    commtx = cmd::version;
    commio(0);
    commend();
    if (commerror != 0) {
        showmessage(QStringLiteral("Version information check failed"),
                    mode == 1 ? QStringLiteral("System error") : QStringLiteral("Warning"), 30,
                    forced);
        return VersionCheck::noreply;
    }
    if (commrx == expectedfw) {
        if (mode == 2)
            showmessage(QStringLiteral("This is the correct PC software for the ECU") + versiontext,
                        QStringLiteral("Information"), 40, forced);
        return VersionCheck::matched;
    }
    showmessage(QStringLiteral("This is not the correct PC software for the ECU"),
                QStringLiteral("Information"), 40, force);
    showmessage(QStringLiteral("Using this software could cause coil damage!"),
                QStringLiteral("Warning"), 30, force);
    return VersionCheck::mismatched;
}

} // namespace korvane
