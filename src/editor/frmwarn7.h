#pragma once
#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace korvane {

// "VCTi spread?": asks for the VCTi spread in degrees when the calibration does not hold it.
class frmWarn7 : public QDialog {
    Q_OBJECT
  public:
    frmWarn7();

    void Form_Load();
    // Stores the typed spread (a whole number 0..255) and closes; any other text keeps the
    // window open for a new entry or Cancel.
    void Command1_Click();
    void Command2_Click();

    QLabel *Label1, *Label2;
    QLineEdit *Text17;
    QPushButton *Command1, *Command2;

  protected:
    void done(int result) override;
};

} // namespace korvane
