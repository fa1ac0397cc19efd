#pragma once
#include "graphics/toolwindow.h"

class QAction;
class QLabel;
class QMenuBar;
class QScrollBar;
class QTimer;

namespace korvane {

class PictureBox;

// "Crank test": counts down while the user gets ready to crank, then reads the trigger and
// sync capture timers 1000 times and plots the edges. Offline it only shows captures opened
// from a crank test file. The main live loop stays stopped while the window is open and runs
// again when it closes.
class frmTrigtest : public ToolWindow<frmTrigtest> {
    Q_OBJECT
  public:
    frmTrigtest();

    void Form_Load();
    void Form_Unload() override;
    // Once a second: the countdown, then the capture at the ninth tick.
    void Timer1_Timer();
    // The capture: the first reply, then 1000 polls. A failed exchange ends it with a message;
    // the edges captured so far stay.
    void timertest();
    // Redraws the plot at the scroll bar's position.
    void drawdata();
    void mnuExport_Click();
    void mnuOpengpr_Click();

    QMenuBar *menubar;
    QAction *mnuExport, *mnuOpengpr, *mnuExit;
    QLabel *Label1;
    QScrollBar *HScroll1;
    PictureBox *picGraph;
    QTimer *Timer1;

  private:
    // The crank test file the user picks; empty for Cancel, an empty name or the bare pattern.
    QString choosefile();
};

} // namespace korvane
