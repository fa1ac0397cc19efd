#pragma once
#include "graphics/toolwindow.h"

#include <cstdint>

class QButtonGroup;
class QPushButton;

namespace korvane {

constexpr int preferencegroups = 21;

// The value a click on button index of option group g (0..20) stores in its prefs slot
// (the COM port group: the port number).
int16_t preferencevalue(int group, int index);
// The button of group g that shows the current value, -1 for none.
int preferencebutton(int group);

// "User preferences": 21 option groups, each storing its choice at once; "Save and exit"
// also keeps them in preferences.dat.
class frmPreferences : public ToolWindow<frmPreferences> {
    Q_OBJECT
  public:
    frmPreferences();

    void Form_Load();
    // The click handler of group g (Option1..Option21 are g 0..20).
    void Option_Click(int group, int index);
    void Command1_Click();
    void Command3_Click();

    QButtonGroup *Option[preferencegroups];
    QPushButton *Command1;
    QPushButton *Command3;
};

} // namespace korvane
