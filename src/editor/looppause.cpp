#include "editor/looppause.h"

#include "core/mainwindowhooks.h"

namespace korvane {

void mainloophold::stop()
{
    MainWindowHooks &hooks = mainwindowhooks();
    wasrunning = hooks.timerenabled && hooks.timerenabled();
    if (hooks.settimerenabled) hooks.settimerenabled(false);
}

void mainloophold::restore()
{
    MainWindowHooks &hooks = mainwindowhooks();
    if (wasrunning && hooks.settimerenabled) hooks.settimerenabled(true);
    wasrunning = false;
}

} // namespace korvane
