#pragma once
#include <QDialog>
#include <array>
#include <cstdint>
#include <map>
#include <vector>

class QBoxLayout;
class QGridLayout;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTimer;

namespace korvane {

struct valuesetting;

extern bool initialising; // the fill is running: the spread label passes wait
extern uint8_t livetps;   // the last live throttle byte the window's poll read

// "Settings": the settings page of the image (ECU 0x1000-0x10FF) on twelve pages. Every edit
// is stored in curimage at once, marks the image changed and, while the main port is open,
// goes to the ECU; the window keeps no copy, so closing it loses nothing.
class frmSettings1 : public QDialog {
    Q_OBJECT
  public:
    frmSettings1();

    void Form_Load();
    void Form_Unload();
    // Shows every setting of the image in its control; runs no handler, stores nothing.
    void initialise();
    void graphics() {}
    void loadcombos();
    void setgearlabels();
    void setlocalrstrings();
    void setlocalpstrings();
    void TabStrip1_Click();
    void cmdSave_Click();
    // The live throttle poll: 'Y' and three further reads while online.
    void Timer1_Timer();

    // The "enter" button of a value field (by the button's number).
    void Command_Click(int button);
    void Check_Click(int box);
    void Option_Click(int group, int index);
    void Combo_Click(int combo);
    void Command10_Click(); // injector modules
    void Check21_Click(int index);
    void Command51_Click();          // PWM1-8 low frequency
    void Command52_Click();          // PWM9-16 low frequency
    void Command13_Click(int index); // injector trim
    void Command56_Click();          // gear road-speed nibbles
    void Command58_Click();          // gear boost trims
    void Command45_Click();          // "calibrate closed"
    void Command46_Click();          // "calibrate wide open"

    // The spread pages.
    void Command5_Click(int index);          // rpm presets, less and more resolution
    void Command55_Click(int index);         // load presets
    void Command26_Click();                  // GRID X "&Ok"
    void Command38_Click();                  // GRID Y "&Ok"
    void Command37_Click() { initialise(); } // GRID X "&Cancel"
    void Command54_Click() { initialise(); } // GRID Y "&Cancel"
    void Command53_Click();                  // GRID X "migrate map"
    void Command24_Click();                  // GRID Y "migrate map"

    QTabWidget *TabStrip1;
    std::array<QGroupBox *, 12> Frame8{};
    // Value fields and their "enter" buttons, flags, option groups and AUX lists, by the
    // number of the control's name (Text12, Command14, Check1, Option6, Combo1...).
    std::map<int, QLineEdit *> Text;
    std::map<int, QPushButton *> Command;
    std::map<int, QCheckBox *> Check;
    std::map<int, std::vector<QRadioButton *>> Option; // Option10..17: LEFT, RIGHT MODULE
    std::map<int, QComboBox *> Combo;
    std::array<QLineEdit *, 6> Text15{}; // injector trims
    std::array<QPushButton *, 6> Command13{};
    std::array<QLineEdit *, 6> Text24{}; // gear road speeds
    std::array<QLabel *, 6> Label61{};   // running totals of the gear road speeds
    std::array<QCheckBox *, 8> Check18{}, Check19{}, Check21{};
    std::array<QLineEdit *, 31> Text9{}, Text35{};  // rpm and load site increments
    std::array<QLabel *, 32> Label21{}, Label22{};  // rpm and load sites
    std::array<QLabel *, 62> Label27{};             // "RANGE n"
    std::array<QPushButton *, 7> Command5{};        // rpm spread presets and resolution
    std::array<QPushButton *, 4> Command55{};       // load spread presets
    QPushButton *Command26, *Command37, *Command53; // GRID X "&Ok", "&Cancel", "migrate map"
    QPushButton *Command38, *Command54, *Command24; // GRID Y "&Ok", "&Cancel", "migrate map"
    QLineEdit *Text42;                              // live throttle position
    QPushButton *cmdSave;
    QTimer *Timer1;

  protected:
    void done(int result) override;

  private:
    void buildpage(int page);
    void buildspecials(int page, QGridLayout *rows, QBoxLayout *left, QBoxLayout *right);
    void buildsitepage(int page);
    void buildiopage();
    void store(int address, int value);
    void showoption(int group, int value);
    const valuesetting &settingofbutton(int button) const;
    bool storespread(const std::array<QLineEdit *, 31> &boxes, int firstrow);
    void migrate(const QString &question);
    bool unloaded = false;
};

} // namespace korvane
