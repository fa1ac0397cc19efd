#pragma once
#include <QDialog>

class QPushButton;
class QRadioButton;

namespace korvane {

// The injector response table (map 9) of each injector impedance, 0.005 ms per count, by the
// order of the options: 16, 8, 2.5 and 1 ohm.
extern const int16_t injectorpresets[4][16];

// The option whose preset a map 9 summing to sum resembles: each preset falls in its band.
int presetoption(int sum);

// Stores preset option 0..3 as map 9 (the settings row 17) and marks the image edited.
void loadinjectorpreset(int option);

// "Load injector response table": replaces map 9 with the preset for the chosen injector
// impedance, preselecting the one the current table resembles. Modal, offline only.
class frmwizard : public QDialog {
    Q_OBJECT
  public:
    frmwizard();

    void Form_Load();
    void Command2_Click(); // "&Load"
    void Command1_Click(); // "&Cancel"

    QRadioButton *Option1[4];
    QPushButton *Command2, *Command1;

  protected:
    void done(int result) override;
};

} // namespace korvane
