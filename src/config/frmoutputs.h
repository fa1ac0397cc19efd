#pragma once
#include "config/outputfunctions.h"

#include <QDialog>
#include <array>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;

namespace korvane {

class TabStrip;

// "Output configuration": the function of each of the 24 outputs and the settings of the
// chosen function. Every edit is stored in the image at once and, with the main port open,
// sent to the ECU (which happens only while livewrite is set). Opening the window stops the
// main live loop; closing it starts the loop again or reminds the user to download.
class frmOutputs : public QDialog {
    Q_OBJECT
  public:
    frmOutputs();

    void Form_Load();
    // Shows the configuration frame of a function code.
    void setframe(int code);
    // Selects the function button of the current tab's output and shows its frame.
    void setoptions();
    // Loads every list and box from the image; marks nothing edited and sends nothing.
    void initialise();
    // The 16 thresholds in their channel's units.
    void loadformatdata();
    int selectedtab() const; // 1..24

    // User actions.
    void Option1_Click(int code);
    void TabStrip1_Click();
    void Combo4_Click(int k);
    void Combo5_Click(int slot);
    void threshold_Click(int slot);
    void scalar_Click(int index);
    void thermofan_Click();
    void cmdSave_Click();

    TabStrip *TabStrip1;
    QGroupBox *Frame2;
    std::array<QRadioButton *, functioncount> Option1{};
    QStackedWidget *frames;
    std::array<QGroupBox *, bytestreamfirst + 1> Frame1{};
    QLabel *Label8;
    std::array<QComboBox *, 15> Combo4{}; // element 11 is not used
    std::array<QComboBox *, usersloteach> Combo5{};
    std::array<QLineEdit *, usersloteach> thresholdbox{};
    std::array<QPushButton *, usersloteach> thresholdbutton{};
    std::array<QLineEdit *, scalarcount> scalarbox{};
    std::array<QPushButton *, scalarcount> scalarbutton{};
    QLineEdit *Text10;    // thermofan ON TEMP (C)
    QPushButton *Command6;
    QPushButton *cmdSave;

  protected:
    void done(int result) override;

  private:
    void buildframes();
    void builduserframe(int code);
    void buildpwmframe(int code);
    void buildscalarframes();
    void buildatxframe();
    // Marks the image edited and sends the byte when the main port is open.
    static void changed(int address, int value);
    bool resumed = false;
};

} // namespace korvane
