#include "editor/frmwarn6.h"

#include "platform/beep.h"
#include "platform/forms.h"
#include "platform/twips.h"

#include <QBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace korvane {

frmWarn6::frmWarn6()
{
    setWindowTitle("Syncronisation warning!");
    auto label = [this](const QString &text) {
        auto *l = new QLabel(text, this);
        l->setWordWrap(true);
        l->setFont(QFont("Arial", 10));
        return l;
    };
    Label1 = label("Warning: The file has changed since it was opened/uploaded. Changes made "
                   "offline are not made at the ecu. Before proceeding with tuning, do one of "
                   "the following:");
    Label2 = label("1. Save the file, download and reboot the KORVANE 2.0.");
    Label3 = label("2. Upload from the KORVANE 2.0 to retrieve the ecu file.");
    Command1 = new QPushButton("&Ok", this);
    Command1->setDefault(true);
    connect(Command1, &QPushButton::clicked, this, &frmWarn6::Command1_Click);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(Label2);
    layout->addWidget(Label3);
    layout->addWidget(Command1, 0, Qt::AlignHCenter);
    setFixedWidth(tw(6000));
    Form_Load();
}

void frmWarn6::Form_Load()
{
    beep();
    adjustSize();
    centreonscreen(*this);
}

void frmWarn6::Command1_Click() { done(Accepted); }

// However it closes, the window is unloaded, so the next warning beeps and centres afresh.
void frmWarn6::done(int result)
{
    QDialog::done(result);
    if (forminstance<frmWarn6>() == this) unload<frmWarn6>();
}

} // namespace korvane
