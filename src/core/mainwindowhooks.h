#pragma once
#include <QString>
#include <functional>

namespace korvane {

// What the link code needs of the main tuning window, which lives in a library above this one.
// The main window fills these in when it loads and empties them when it unloads; while a hook is
// empty the call behaves as if there were no main window.
struct MainWindowHooks {
    std::function<bool()> timerenabled;             // is Timer1 (the live loop) running?
    std::function<void(bool)> settimerenabled;      // start or stop Timer1
    std::function<void(const QString &)> setstatus; // the status label Label42
    std::function<void()> syncwarning;              // frmWarn6, shown modally
    std::function<void()> wentoffline;  // the program went offline: the window's offline hint
    std::function<void()> unsentnotice; // names the entries that waited for Enter, not sent
};

MainWindowHooks &mainwindowhooks();

// Sets the main window's status label when there is a main window.
void setmainstatus(const QString &text);

} // namespace korvane
