#pragma once
#include <QDialog>
#include <functional>
#include <memory>

class QCheckBox;
class QGroupBox;
class QLabel;
class QProgressBar;
class QPushButton;

namespace korvane {

class SerialPort;

// Writes the report of the stored log into the logger's table after a log upload. The logger
// lives in a later library and sets this while it is loaded.
std::function<void()> &storedlogreport();

// The upload window: reads the ECU's calibration or firmware signature (uploadmode 1) or its
// stored log (uploadmode 2) over its own port.
class frmUp1 : public QDialog {
    Q_OBJECT
  public:
    frmUp1();
    ~frmUp1() override;

    void Form_Load();
    void Command2_Click(); // "&Upload"
    void Command1_Click(); // "E&xit"
    void Command3_Click(); // "+"
    void Command4_Click(); // "-"

    QLabel *Label4;
    QLabel *Label1;
    QGroupBox *Frame1;
    QLabel *Label3;
    QPushButton *Command4;
    QPushButton *Command3;
    QCheckBox *Check1;
    QCheckBox *Check2;
    QPushButton *Command2;
    QPushButton *Command1;
    QLabel *Label2;
    QProgressBar *ProgressBar1;
    std::unique_ptr<SerialPort> MSComm1;

  protected:
    void done(int result) override;
};

} // namespace korvane
