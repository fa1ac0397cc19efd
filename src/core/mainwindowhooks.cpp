#include "core/mainwindowhooks.h"

namespace korvane {

MainWindowHooks &mainwindowhooks() {
    static MainWindowHooks hooks;
    return hooks;
}

void setmainstatus(const QString &text) {
    if (mainwindowhooks().setstatus) mainwindowhooks().setstatus(text);
}

} // namespace korvane
