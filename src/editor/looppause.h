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

// The main window's live loop, stopped while a window that must not meet a poll is open;
// restore() starts it again only if it ran when stop() found it.
class mainloophold {
  public:
    void stop();
    void restore();

  private:
    bool wasrunning = false;
};

} // namespace korvane
