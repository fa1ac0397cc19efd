#pragma once
#include <QDialog>

class QLabel;
class QPushButton;

namespace korvane {

// "Syncronisation warning!": going online after offline edits, the ECU does not hold them.
class frmWarn6 : public QDialog {
    Q_OBJECT
  public:
    frmWarn6();

    void Form_Load();
    void Command1_Click();

    QLabel *Label1, *Label2, *Label3;
    QPushButton *Command1;

  protected:
    void done(int result) override;
};

} // namespace korvane
