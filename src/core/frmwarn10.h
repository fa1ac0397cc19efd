#pragma once
#include <QDialog>
#include <cstdint>

class QLabel;
class QLineEdit;
class QProgressBar;
class QTimer;

namespace korvane {

// Tick counter of the wait window.
extern int32_t waitcount;

// "Working invalid file": a modal wait of about 101 seconds after loading a file whose lines
// fail their check. Typing the skip code into Text1 ends it at the next tick.
class frmWarn10 : public QDialog {
    Q_OBJECT
  public:
    frmWarn10();

    // One tick of the 1000 ms timer: moves the bar, checks the skip code, closes after 100.
    void Timer1_Timer();

    QLabel *Label2;
    QProgressBar *ProgressBar1;
    QLineEdit *Text1;
    QTimer *Timer1;
};

} // namespace korvane
