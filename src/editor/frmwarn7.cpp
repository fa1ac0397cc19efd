#include "editor/frmwarn7.h"

#include "core/editorstate.h"
#include "editor/numbertext.h"
#include "platform/beep.h"
#include "platform/forms.h"
#include "platform/twips.h"

#include <QBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <cmath>

namespace korvane {

frmWarn7::frmWarn7()
{
    setWindowTitle("VCTi spread?");
    Label1 = new QLabel("VCTi spread:", this);
    Text17 = new QLineEdit("60", this);
    Label2 = new QLabel("The VCTi spread was not available on upload. Please enter it now for a "
                        "correct display of the VCTi target table.",
                        this);
    Label2->setWordWrap(true);
    Command1 = new QPushButton("&Ok", this);
    Command2 = new QPushButton("&Cancel", this);
    Command1->setDefault(true);
    auto *entry = new QHBoxLayout;
    entry->addWidget(Label1);
    entry->addWidget(Text17);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(Command1);
    buttons->addWidget(Command2);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(entry);
    layout->addWidget(Label2);
    layout->addLayout(buttons);
    setFixedWidth(tw(4800));
    connect(Command1, &QPushButton::clicked, this, &frmWarn7::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &frmWarn7::Command2_Click);
    Form_Load();
}

void frmWarn7::Form_Load()
{
    beep();
    adjustSize();
    centreonscreen(*this);
}

void frmWarn7::Command1_Click()
{
    const std::optional<double> typed = typednumber(Text17->text());
    if (!typed) return;
    const double spread = std::nearbyint(*typed);
    if (spread < 0 || spread > 255) return;
    vctspread = uint8_t(spread);
    done(Accepted);
}

void frmWarn7::Command2_Click() { done(Rejected); }

void frmWarn7::done(int result)
{
    QDialog::done(result);
    if (forminstance<frmWarn7>() == this) unload<frmWarn7>();
}

} // namespace korvane
