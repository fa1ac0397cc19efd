#include "core/pauseonline.h"

#include "core/flags.h"
#include "core/mainwindowhooks.h"
#include "core/messages.h"

#include <vector>

namespace korvane {

uint8_t timerwasrunning = 0;

namespace {
struct Pause {
    uint8_t timerwasrunning;
    uint8_t livewrite;
};
std::vector<Pause> &pauses() {
    static std::vector<Pause> open;
    return open;
}
} // namespace

void pauseonline() {
    const MainWindowHooks &hooks = mainwindowhooks();
    if (!hooks.timerenabled || !hooks.settimerenabled) {
        showmessage(QStringLiteral("A main window timer error occured"), QStringLiteral("Warning"),
                    40, forced);
        return;
    }
    const uint8_t livewritefound = livewrite;
    if (hooks.timerenabled()) {
        timerwasrunning = flagset;
        livewrite = flagset;
        hooks.settimerenabled(false);
    } else {
        timerwasrunning = 0;
        livewrite = 0;
    }
    pauses().push_back({timerwasrunning, livewritefound});
}

void resumeonline() {
    if (!pauses().empty()) {
        timerwasrunning = pauses().back().timerwasrunning;
        livewrite = pauses().back().livewrite;
        pauses().pop_back();
    }
    const MainWindowHooks &hooks = mainwindowhooks();
    if (timerwasrunning == flagset && hooks.settimerenabled) {
        hooks.settimerenabled(true);
        return;
    }
    showmessage(QStringLiteral("These output settings must be downloaded before they will take "
                               "effect"),
                QStringLiteral("Information"), 30, 0);
}

bool livepaused() {
    return !pauses().empty();
}

} // namespace korvane
