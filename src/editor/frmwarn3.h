#pragma once
#include "editor/looppause.h"

#include <QDialog>

class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace korvane {

// "Copy?" online, main maps 1..7: the ECU copies the chosen rpm-side row up to the last row
// or down to the first in its own memory; the PC copies its image the same way and checks the
// ECU's answers. The main window's live loop rests while the window is open.
class frmWarn3 : public QDialog {
    Q_OBJECT
  public:
    frmWarn3();

    void Form_Load();
    void cmdOk_Click();

    QLabel *Label1, *Label2;
    QRadioButton *Option1[32];
    QGroupBox *Frame1;
    QRadioButton *Option2, *Option3; // "Copy up", "Copy down"
    QPushButton *cmdOk, *cmdCancel;

  protected:
    void done(int result) override;

  private:
    mainloophold mainloop;
};

// The ECU's row copy of main map 1..7: sends source (answered source + 85), then the copy up
// or down command (answered with the high byte of the source row's address); copies the
// image alike and recomputes the map sums. False, with the image untouched, when the first
// answer is wrong or either is missing; false after the copy when the last answer is wrong or
// late. Either way the ECU's trim column is no longer known.
bool ecurowcopy(int source, bool up);

} // namespace korvane
