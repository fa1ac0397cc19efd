#pragma once
#include <QDialog>

class QLineEdit;
class QPushButton;

namespace korvane {

// The report gate: the keyword in its password box opens the upload window in its stored-log
// mode.
class frmFastlog : public QDialog {
    Q_OBJECT
  public:
    frmFastlog();

    void cmdOk_Click();    // "&Report"
    void Command1_Click(); // "E&xit"

    QLineEdit *Text1;
    QPushButton *cmdOk;
    QPushButton *Command1;

  protected:
    void done(int result) override;
};

} // namespace korvane
