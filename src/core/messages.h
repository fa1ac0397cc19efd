#pragma once
#include <QString>

namespace korvane {

constexpr int forced = -1;
// As ticks: the window stays until the tuner closes it.
constexpr int untildismissed = -1;

// What the message window shows, set by showmessage and read by the window when it loads.
extern QString msgtext;
extern QString msgtitle;
extern int msgticks; // ticks of 100 ms the window stays; it closes on the tick after the last

// Shows text in the timed message window for ticks of 100 ms (untildismissed: until closed) and returns when it has closed;
// other windows' timers keep running meanwhile. Unless force is -1, nothing is shown while the
// user hides non-critical messages. While a prompt responder is installed the message goes to
// it as a Notice instead of the window, so tests need not wait.
void showmessage(const QString &text, const QString &title, int ticks, int force);

} // namespace korvane
