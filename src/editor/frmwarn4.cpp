#include "editor/frmwarn4.h"

#include "core/colours.h"
#include "core/livedata.h"
#include "editor/colourmapcells.h"
#include "editor/frmfuel1.h"
#include "platform/forms.h"
#include "platform/twips.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QPushButton>

#include <algorithm>

namespace korvane {

namespace {
constexpr int knockplotted = 255; // knock plot entries the plot draws
}

void resettrace(uint32_t (&trace)[32][32], int size)
{
    for (int a = 0; a < size; ++a) std::fill(trace[a], trace[a] + size, colours[1]);
}

frmWarn4::frmWarn4()
{
    setWindowTitle("Reset traces");
    Check1 = new QCheckBox("RESET FUEL VISIT TRACE", this);
    Check2 = new QCheckBox("RESET KNOCK TRACE (ignition map)", this);
    Check3 = new QCheckBox("RESET KNOCK TRACE (knock threshold map)", this);
    Check4 = new QCheckBox("RESET 3D VISIT TRACE", this);
    Command1 = new QPushButton("&Ok", this);
    auto *layout = new QVBoxLayout(this);
    for (QCheckBox *check : {Check1, Check2, Check3, Check4}) layout->addWidget(check);
    layout->addWidget(Command1, 0, Qt::AlignHCenter);
    setMinimumWidth(tw(5000));
    connect(Command1, &QPushButton::clicked, this, &frmWarn4::Command1_Click);
    Form_Load();
}

void frmWarn4::Form_Load()
{
    for (QCheckBox *check : {Check1, Check2, Check3, Check4}) check->setChecked(true);
}

void frmWarn4::Command1_Click()
{
    if (Check1->isChecked()) resettrace(fueltrace);
    if (Check2->isChecked()) resettrace(sparktrace);
    if (Check3->isChecked()) {
        std::fill(knockdotx, knockdotx + knockplotted, 0);
        std::fill(knockdoty, knockdoty + knockplotted, 0);
    }
    if (Check4->isChecked())
        for (auto &trace : visittrace) resettrace(trace);
    if (loaded<frmFuel1>()) clearcellmarks(*form<frmFuel1>()->mapgrid);
    done(Accepted);
}

void frmWarn4::done(int result)
{
    QDialog::done(result);
    if (forminstance<frmWarn4>() == this) unload<frmWarn4>();
}

} // namespace korvane
