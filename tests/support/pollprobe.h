#pragma once
#include <QTest>
#include <QTimer>

namespace korvane::test {

// How often a 10 ms timer fires while a window's poll timer runs for two seconds: a poll that
// waits out its reply time on every tick starves it, as it would the user's keys and clicks.
inline int probeticks(QTimer &poll)
{
    int fired = 0;
    QTimer probe;
    QObject::connect(&probe, &QTimer::timeout, [&fired] { ++fired; });
    probe.start(10);
    poll.start();
    QTest::qWait(2000);
    poll.stop();
    return fired;
}

} // namespace korvane::test
