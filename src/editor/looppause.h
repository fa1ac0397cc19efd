#pragma once
#include <QTimer>

namespace korvane {

// Stops a window's live-loop timer for the life of the object; afterwards it runs again only
// if it ran before.
class looppause {
  public:
    explicit looppause(QTimer *timer) : timer(timer), wasrunning(timer && timer->isActive())
    {
        if (timer) timer->stop();
    }
    ~looppause()
    {
        if (timer && wasrunning) timer->start();
    }
    looppause(const looppause &) = delete;
    looppause &operator=(const looppause &) = delete;

  private:
    QTimer *timer;
    bool wasrunning;
};

} // namespace korvane
