#pragma once
#include <QDialog>
#include <memory>

class QGroupBox;
class QLabel;
class QProgressBar;
class QPushButton;

namespace korvane {

class SerialPort;

// The download window: writes the whole calibration image into the ECU over its own port.
class frmDown1 : public QDialog {
    Q_OBJECT
  public:
    frmDown1();
    ~frmDown1() override;

    void Form_Load();
    void Command1_Click();  // "&Download"
    void Command2_Click();  // "-"
    void Command3_Click();  // "+"
    void cmdCancel_Click(); // "E&xit"

    QLabel *Label4;
    QLabel *Label2;
    QGroupBox *Frame1;
    QLabel *Label3;
    QPushButton *Command2;
    QPushButton *Command3;
    QPushButton *Command1;
    QPushButton *cmdCancel;
    QLabel *Label1;
    QProgressBar *ProgressBar1;
    std::unique_ptr<SerialPort> MSComm1;

  protected:
    void done(int result) override;
};

} // namespace korvane
