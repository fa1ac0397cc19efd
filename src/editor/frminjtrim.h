#pragma once
#include <QDialog>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;

namespace korvane {

// "Injector change trim": scales the fuel map for new injectors, by the ratio of the old and
// new flow rates or by a percentage on the slider. Modal, offline only.
class frmInjtrim : public QDialog {
    Q_OBJECT
  public:
    frmInjtrim();

    void Form_Load();
    void Slider1_Change();
    void Command1_Click(); // old / new flow rate
    void Command2_Click(); // slider / 100

    QGroupBox *Frame1, *Frame2;
    QLineEdit *Text33; // old flow rate
    QLineEdit *Text1;  // new flow rate
    QLabel *Label38, *Label1, *Label2, *Label3, *Label4;
    QSlider *Slider1;
    QPushButton *Command1, *Command2;

  protected:
    void done(int result) override;

  private:
    // Asks before scaling; either way repaints the main grid and closes.
    void applyfactor(float factor);
};

} // namespace korvane
