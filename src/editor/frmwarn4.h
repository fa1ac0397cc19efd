#pragma once
#include <QDialog>

#include <cstdint>

class QCheckBox;
class QPushButton;

namespace korvane {

// Marks the size x size corner of a trace table as never visited (the wire graph colour).
void resettrace(uint32_t (&trace)[32][32], int size = 32);

// "Reset traces": resets the ticked traces of the map displays and clears the main grid's
// visit and knock marks.
class frmWarn4 : public QDialog {
    Q_OBJECT
  public:
    frmWarn4();

    void Form_Load();
    void Command1_Click();

    QCheckBox *Check1; // fuel visits
    QCheckBox *Check2; // knock on the ignition map
    QCheckBox *Check3; // knock plot history
    QCheckBox *Check4; // visits of the 24 x 24 maps
    QPushButton *Command1;

  protected:
    void done(int result) override;
};

} // namespace korvane
