#pragma once
#include <QString>

namespace korvane {

constexpr int forced = -1;

// Shows text in the timed message window for ticks of 100 ms and returns when it has closed.
// Unless force is -1, nothing is shown while the user hides non-critical messages.
void showmessage(const QString &text, const QString &title, int ticks, int force);

} // namespace korvane
