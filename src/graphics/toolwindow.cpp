#include "graphics/toolwindow.h"

#include "core/mainwindowhooks.h"

namespace korvane {

void setmaintimer(bool on)
{
    if (mainwindowhooks().settimerenabled) mainwindowhooks().settimerenabled(on);
}

bool maintimeron()
{
    return mainwindowhooks().timerenabled && mainwindowhooks().timerenabled();
}

} // namespace korvane
