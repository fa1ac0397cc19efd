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

enum class RowCopyEnd {
    copied,      // both answers right: the image was copied alike
    notsent,     // the source row's answer was wrong or missing: no copy command went out
    unconfirmed, // the copy command's answer never came: the ECU may have copied, the PC did not
    wronganswer, // its answer was wrong or late: the ECU got the command, the PC copied too
};

// The ECU's row copy of main map 1..7: sends source (answered source + 85), then the copy up
// or down command (answered with the high byte of the source row's address); copies the
// image alike and recomputes the map sums. A copy the ECU did not confirm marks it as possibly
// different from the image. However it ends, the ECU's trim column is no longer known.
RowCopyEnd ecurowcopy(int source, bool up);

} // namespace korvane
