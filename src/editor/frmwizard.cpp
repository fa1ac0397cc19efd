#include "editor/frmwizard.h"

#include "core/calimage.h"
#include "core/flags.h"
#include "core/linestate.h"
#include "editor/frmfuel1.h"
#include "editor/gridscroll.h"
#include "editor/showmapvalues.h"
#include "platform/forms.h"
#include "platform/mapgrid.h"
#include "platform/twips.h"

#include <QBoxLayout>
#include <QPushButton>
#include <QRadioButton>

#include <numeric>

namespace korvane {

namespace {
constexpr int injectorrow = 17; // map 9 in the settings rows
}

const int16_t injectorpresets[4][16] = {
    {185, 164, 148, 135, 124, 114, 105, 98, 91, 86, 81, 77, 73, 71, 69, 67},
    {139, 123, 111, 101, 93, 85, 79, 73, 68, 64, 61, 58, 55, 53, 52, 51},
    {93, 83, 74, 68, 62, 57, 53, 49, 46, 43, 41, 39, 37, 36, 35, 34},
    {46, 41, 37, 34, 31, 28, 27, 25, 23, 22, 21, 20, 19, 18, 17, 16},
};

int presetoption(int sum)
{
    if (sum < 600) return 3;
    if (sum < 1000) return 2;
    if (sum >= 1400) return 0;
    return 1;
}

void loadinjectorpreset(int option)
{
    std::copy(std::begin(injectorpresets[option]), std::end(injectorpresets[option]),
              curimage.settings[injectorrow]);
    markedited();
}

frmwizard::frmwizard()
{
    setWindowTitle("Load injector response table");
    auto *layout = new QVBoxLayout(this);
    const char *captions[4] = {"16 OHM INJECTOR", "8 OHM INJECTOR", "2.5 OHM INJECTOR",
                               "1 OHM INJECTOR"};
    for (int i = 0; i < 4; ++i) {
        Option1[i] = new QRadioButton(captions[i], this);
        layout->addWidget(Option1[i]);
    }
    Command2 = new QPushButton("&Load", this);
    Command1 = new QPushButton("&Cancel", this);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(Command2);
    buttons->addWidget(Command1);
    layout->addLayout(buttons);
    setMinimumWidth(tw(4500));
    connect(Command2, &QPushButton::clicked, this, &frmwizard::Command2_Click);
    connect(Command1, &QPushButton::clicked, this, &frmwizard::Command1_Click);
    Form_Load();
}

void frmwizard::Form_Load()
{
    const int16_t *table = curimage.settings[injectorrow];
    Option1[presetoption(std::accumulate(table, table + 16, 0))]->setChecked(true);
}

void frmwizard::Command2_Click()
{
    int option = 0;
    for (int i = 0; i < 4; ++i)
        if (Option1[i]->isChecked()) option = i;
    loadinjectorpreset(option);
    done(Accepted);
    if (!loaded<frmFuel1>()) return;
    frmFuel1 *main = form<frmFuel1>();
    main->drawmap();
    showmapvalues(*main->mapgrid, 255);
    focusgrid(main->mapgrid);
}

void frmwizard::Command1_Click() { done(Rejected); }

void frmwizard::done(int result)
{
    QDialog::done(result);
    if (forminstance<frmwizard>() == this) unload<frmwizard>();
}

} // namespace korvane
