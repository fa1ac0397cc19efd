#pragma once
#include <QDialog>

class QLabel;
class QScrollArea;
class QTimer;

namespace korvane {

// The timed message window: shows msgtext under the caption msgtitle, beeps when it opens
// and closes itself after msgticks ticks of 100 ms. It has no buttons; a fresh Return or
// Enter, Escape and the close box close it early.
class frmWarn9 : public QDialog {
    Q_OBJECT
  public:
    frmWarn9();

    void Form_Load();
    void Timer1_Timer();

    QScrollArea *Scroll; // holds Label1
    QLabel *Label1;
    QTimer *Timer1;

  protected:
    void done(int result) override;
    void keyPressEvent(QKeyEvent *event) override;

  private:
    void fitmessage(); // sizes the window so the whole of msgtext shows or scrolls
    int ticks = 0;     // msgticks as it was at load: a later message must not cut this one short
    int counter = 0;   // ticks since the window opened
};

} // namespace korvane
