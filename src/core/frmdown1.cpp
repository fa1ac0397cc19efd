#include "core/frmdown1.h"

#include "core/download.h"
#include "core/prefs.h"
#include "core/transferport.h"
#include "core/transferwindow.h"
#include "platform/beep.h"
#include "platform/forms.h"
#include "platform/hourglass.h"
#include "platform/returnkey.h"
#include "platform/serialport.h"
#include "platform/twips.h"

#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

namespace korvane {

frmDown1::frmDown1() : MSComm1(std::make_unique<SerialPort>()) {
    setWindowTitle("Download");
    setFixedSize(tw(5400), tw(3900));
    Label4 = placelabel(this, "File is downloaded from PC to ECU", 240, 120, 4920, 300);
    Label2 = placelabel(this, "Warning: Vehicle must be at rest and idling to safely download.",
                        240, 480, 4920, 480);
    Frame1 = new QGroupBox(this);
    Frame1->setGeometry(tw(240), tw(1080), tw(4920), tw(660));
    Command2 = placebutton(Frame1, "-", 120, 180, 600);
    Label3 = placelabel(Frame1, "", 960, 225, 1200, 300);
    Command3 = placebutton(Frame1, "+", 2280, 180, 600);
    Command1 = placebutton(this, "&Download", 240, 1920, 2280);
    cmdCancel = placebutton(this, "E&xit", 2880, 1920, 2280);
    Label1 = placelabel(this, "", 240, 2460, 4920, 420);
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setGeometry(tw(240), tw(3000), tw(4920), tw(360));
    ProgressBar1->setRange(0, 100);

    connect(Command1, &QPushButton::clicked, this, &frmDown1::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &frmDown1::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &frmDown1::Command3_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmDown1::cmdCancel_Click);
    opennofocus(this);
    Form_Load();
}

frmDown1::~frmDown1() = default;

void frmDown1::Form_Load() {
    Label1->clear();
    Label3->setText(comlabel(comport));
    ProgressBar1->hide();
    centreonscreen(*this);
    painttransfer(this, {Label1, Label2, Label4, Frame1},
                  {Command1, Command2, Command3, cmdCancel});
}

void frmDown1::Command1_Click() {
    const TransferView view = viewon(Label1, ProgressBar1);
    DownloadEnd end;
    QString reason;
    {
        Hourglass pointer;
        end = downloadecu(*MSComm1, view, nullptr, &reason);
    }
    view.status(downloadendtext(end, reason));
    if (end == DownloadEnd::complete) {
        if (isVisible()) cmdCancel->setFocus();
        return;
    }
    if (end != DownloadEnd::error) ProgressBar1->setValue(0);
    if (end != DownloadEnd::error && end != DownloadEnd::lineprompt && end != DownloadEnd::lineend)
        beep();
}

void frmDown1::Command2_Click() {
    Label3->setText(stepcomport(-1));
}

void frmDown1::Command3_Click() {
    Label3->setText(stepcomport(+1));
}

void frmDown1::cmdCancel_Click() {
    done(Rejected);
}

// However it closes, the window is unloaded with its port closed, so the next use loads afresh.
void frmDown1::done(int result) {
    MSComm1->setPortOpen(false);
    QDialog::done(result);
    if (forminstance<frmDown1>() == this) unload<frmDown1>();
}

} // namespace korvane
