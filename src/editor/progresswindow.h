#pragma once
#include <QDialog>

class QProgressBar;
class QTimer;

namespace korvane {

// A small modal window with a progress bar whose work runs once, from its own 50 ms timer on
// the tick after the counter has reached 5 (the window is painted by then). It cannot be
// closed while the work runs; the work closes it when done.
class progresswindow : public QDialog {
    Q_OBJECT
  public:
    explicit progresswindow(const QString &caption);

    void Timer1_Timer();
    // Shows the bar at value at once, without handling other events or timers meanwhile.
    void showprogress(int value);

    QProgressBar *ProgressBar1;
    QTimer *Timer1;

  protected:
    // The work; ends by calling finish().
    virtual void formcode() = 0;
    void finish();
    void reject() override;
    void closeEvent(QCloseEvent *event) override;

  private:
    uint8_t ticks = 0;
    bool started = false, finished = false;
};

} // namespace korvane
