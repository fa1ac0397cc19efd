#pragma once
#include <QDialog>

class QLabel;
class QPushButton;

namespace korvane {

// "Checksum error!": the ECU's checksum after a trim differs from the PC's (or never came).
// Shows pcchecksum and ecuchecksum.
class frmWarn5 : public QDialog {
    Q_OBJECT
  public:
    frmWarn5();

    void Form_Load();

    QLabel *Label1, *Label2, *Label3, *Label6, *Label4;
    QLabel *Label8, *Label5; // "PC checksum:" and its value
    QLabel *Label9, *Label7; // "Returned checksum:" and the ECU's reply
    QPushButton *cmdOk;

  protected:
    void done(int result) override;
};

} // namespace korvane
