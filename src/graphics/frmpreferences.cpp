#include "graphics/frmpreferences.h"

#include "core/messages.h"
#include "core/prefs.h"
#include "platform/twips.h"

#include <QButtonGroup>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

namespace korvane {

namespace {

// Which index stores "true": the first button, the second, or any but the second.
enum class rule { first, second, notsecond, port };

struct group {
    const char *label;
    rule stores;
    int slot;
    const char *buttons[5]; // unused ones null
};

const group groups[preferencegroups] = {
    {"AXES LABELS:", rule::first, 0, {"METRIC", "IMPERIAL"}},
    {"RPM DEFAULT:", rule::first, 1, {"HOLD", "TRACK"}},
    {"LOAD DEFAULT:", rule::first, 2, {"HOLD", "TRACK"}},
    {"GRID CENTERING:", rule::first, 3, {"LOAD", "KEY ARROW "}},
    {"ROAM MODE:", rule::second, 4, {"3D MAP", "GRID"}},
    {"PANEL MODE:", rule::notsecond, 5, {"ANALOG", "DIGITAL"}},
    {"LOAD/Y TRACK TO HOLD ON ARROW:", rule::notsecond, 6, {"ON ", "OFF "}},
    {"RPM/X TRACK TO HOLD ON ARROW:", rule::notsecond, 7, {"ON ", "OFF "}},
    {"LOAD/Y TRACK TO HOLD TOGGLE:", rule::notsecond, 8, {"ON ", "OFF "}},
    {"RPM/X TRACK TO HOLD TOGGLE:", rule::notsecond, 9, {"ON ", "OFF "}},
    {"AUTO CONNECT ON MAIN WINDOW:", rule::notsecond, 10, {"ON ", "OFF "}},
    {"DEFAULT COM PORT:", rule::port, 11, {"1 ", "2 ", "3 ", "4 ", "5 "}},
    {"HIDE NON-CRITICAL MESSAGES:", rule::notsecond, 12, {"ON  ", "OFF "}},
    {"DEFAULT LOG RATE:", rule::second, 13, {"MIN ", "MAX "}},
    {"DEFAULT FUEL TRIM RATE:", rule::second, 14, {"MIN ", "MAX "}},
    {"DEFAULT ANTI-FUEL TRIM RATE:", rule::second, 15, {"MIN ", "MAX "}},
    {"DEFAULT AUX-FUEL TRIM RATE:", rule::second, 16, {"MIN ", "MAX "}},
    {"DEFAULT SPARK TRIM RATE:", rule::second, 17, {"MIN ", "MAX "}},
    {"DEFAULT ANTI-SPARK TRIM RATE:", rule::second, 18, {"MIN ", "MAX "}},
    {"DEFAULT AUX-SPARK TRIM RATE:", rule::second, 19, {"MIN ", "MAX "}},
    {"DEFAULT BACK-SPARK TRIM RATE:", rule::second, 20, {"MIN ", "MAX "}},
};

int buttoncount(int g)
{
    int n = 0;
    while (n < 5 && groups[g].buttons[n]) ++n;
    return n;
}

int16_t yesno(bool yes) { return yes ? prefon : prefoff; }

} // namespace

int16_t preferencevalue(int g, int index)
{
    switch (groups[g].stores) {
    case rule::first: return yesno(index == 0);
    case rule::second: return yesno(index == 1);
    case rule::notsecond: return yesno(index != 1);
    case rule::port: return int16_t(index + 1);
    }
    return prefoff;
}

int preferencebutton(int g)
{
    for (int i = 0; i < buttoncount(g); ++i)
        if (preferencevalue(g, i) == prefs[groups[g].slot]) return i;
    return -1;
}

frmPreferences::frmPreferences()
{
    setWindowTitle("User preferences");
    setModal(true);
    constexpr int rowpitch = 300, labelwidth = 3600, groupwidth = 4500;
    setFixedSize(tw(labelwidth + groupwidth + 360), tw(preferencegroups * rowpitch + 900));
    for (int g = 0; g < preferencegroups; ++g) {
        const int top = 120 + g * rowpitch;
        auto *label = new QLabel(groups[g].label, this);
        label->setGeometry(tw(120), tw(top), tw(labelwidth), tw(rowpitch));
        Option[g] = new QButtonGroup(this);
        const int buttonwidth = groupwidth / std::max(3, buttoncount(g));
        for (int index = 0; index < buttoncount(g); ++index) {
            auto *button = new QRadioButton(groups[g].buttons[index], this);
            button->setGeometry(tw(240 + labelwidth + index * buttonwidth), tw(top),
                                tw(buttonwidth), tw(rowpitch));
            Option[g]->addButton(button, index);
        }
        connect(Option[g], &QButtonGroup::idClicked, this,
                [this, g](int index) { Option_Click(g, index); });
    }
    const int buttons = 240 + preferencegroups * rowpitch;
    Command1 = new QPushButton("&Save and exit", this);
    Command1->setGeometry(tw(120), tw(buttons), tw(1800), tw(450));
    connect(Command1, &QPushButton::clicked, this, &frmPreferences::Command1_Click);
    Command3 = new QPushButton("&Ok", this);
    Command3->setGeometry(tw(2100), tw(buttons), tw(1200), tw(450));
    connect(Command3, &QPushButton::clicked, this, &frmPreferences::Command3_Click);
    Form_Load();
}

void frmPreferences::Form_Load()
{
    for (int g = 0; g < preferencegroups; ++g) {
        const int index = preferencebutton(g);
        if (index < 0) continue; // a COM port beyond 5 shows no button
        Option[g]->button(index)->setChecked(true);
        Option_Click(g, index);
    }
}

void frmPreferences::Option_Click(int g, int index)
{
    prefs[groups[g].slot] = preferencevalue(g, index);
}

void frmPreferences::Command1_Click()
{
    const QString error = savepreferences();
    if (!error.isEmpty()) {
        // The window stays, so the user can try again or keep the choices for this run.
        showmessage("The preferences were not saved: " + error, "System error", 30, forced);
        return;
    }
    done(Accepted);
}

void frmPreferences::Command3_Click() { done(Accepted); }

} // namespace korvane
