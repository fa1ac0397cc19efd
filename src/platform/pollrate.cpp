#include "platform/pollrate.h"

#include <QTimer>

namespace korvane {

void setpollrate(QTimer &timer, bool answered, int interval)
{
    const int wanted = answered ? interval : 1000;
    if (timer.interval() != wanted) timer.setInterval(wanted); // restarts it only if active
}

} // namespace korvane
