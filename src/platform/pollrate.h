#pragma once

class QTimer;

namespace korvane {

// The rate of a window's poll timer. A silent ECU makes every poll wait out its reply time,
// longer than a tick, so the timer would fire again at once and the window would answer keys
// and clicks only between waits. After a poll that got no answer the timer runs once a second;
// after one that did, at the window's own interval. A stopped timer is never started.
void setpollrate(QTimer &timer, bool answered, int interval);

} // namespace korvane
