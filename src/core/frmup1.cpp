#include "core/frmup1.h"

#include "core/flags.h"
#include "core/logupload.h"
#include "core/prefs.h"
#include "core/mapfile.h"
#include "core/transferport.h"
#include "core/transferwindow.h"
#include "core/upload.h"
#include "platform/forms.h"
#include "platform/hourglass.h"
#include "platform/returnkey.h"
#include "platform/serialport.h"
#include "platform/twips.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

namespace korvane {

std::function<void()> &storedlogreport() {
    static std::function<void()> report;
    return report;
}

namespace {
QCheckBox *checkbox(QWidget *parent, const QString &text, int top) {
    auto *control = new QCheckBox(text, parent);
    control->setGeometry(tw(240), tw(top), tw(5640), tw(300));
    return control;
}
} // namespace

frmUp1::frmUp1() : MSComm1(std::make_unique<SerialPort>()) {
    setWindowTitle("Upload");
    setFixedSize(tw(6120), tw(4740));
    Label4 = placelabel(this, "File is uploaded from ECU to PC", 240, 120, 5640, 300);
    Label1 = placelabel(this, "Warning: Vehicle must be at rest and idling to safely upload.", 240,
                        480, 5640, 480);
    Frame1 = new QGroupBox(this);
    Frame1->setGeometry(tw(240), tw(1080), tw(5640), tw(660));
    Command4 = placebutton(Frame1, "-", 120, 180, 600);
    Label3 = placelabel(Frame1, "", 960, 225, 1200, 300);
    Command3 = placebutton(Frame1, "+", 2280, 180, 600);
    Check1 = checkbox(this, "BOOT SAVED MAP AND UPLOAD (discard current changes)", 1860);
    Check2 = checkbox(this, "UPLOAD FIRMWARE SIGNATURE", 2220);
    Command2 = placebutton(this, "&Upload", 240, 2700, 2640);
    Command1 = placebutton(this, "E&xit", 3240, 2700, 2640);
    Label2 = placelabel(this, "", 240, 3240, 5640, 420);
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setGeometry(tw(240), tw(3780), tw(5640), tw(360));
    ProgressBar1->setRange(0, 100);

    connect(Command1, &QPushButton::clicked, this, &frmUp1::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &frmUp1::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &frmUp1::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &frmUp1::Command4_Click);
    opennofocus(this);
    Form_Load();
}

frmUp1::~frmUp1() = default;

void frmUp1::Form_Load() {
    centreonscreen(*this);
    ProgressBar1->hide();
    Label2->clear();
    // Online, the stored log comes from the ECU the program is online with: its port is not
    // the buttons' to move.
    const bool portfixed = uploadmode == 2 && online == flagset;
    Command3->setEnabled(!portfixed);
    Command4->setEnabled(!portfixed);
    Label3->setText(comlabel(uploadmode == 2 ? storedlogport() : comport));
    painttransfer(this, {Label1, Label2, Label4, Check1, Check2, Frame1},
                  {Command1, Command2, Command3, Command4});
}

void frmUp1::Command2_Click() {
    const TransferView view = viewon(Label2, ProgressBar1);
    if (uploadmode == 1 && Check2->isChecked()) {
        Label4->setText(readfirmwaresig(*MSComm1));
    } else if (uploadmode == 1) {
        // The ECU's calibration replaces the image: unsaved edits go only when the tuner agrees.
        if (!mayreplaceimage()) return;
        bool done;
        {
            Hourglass pointer;
            done = uploadecu(*MSComm1, Check1->isChecked(), view).isEmpty();
        }
        if (!done) return;
        Command1_Click();
        readcomments();
    } else if (uploadmode == 2) {
        Hourglass pointer;
        const LogUpload outcome = uploadlog(*MSComm1, view);
        const bool gotlog = outcome == LogUpload::complete || outcome == LogUpload::badsum;
        if (gotlog && storedlogreport()) storedlogreport()();
    }
}

void frmUp1::Command1_Click() {
    done(Rejected);
}

void frmUp1::Command3_Click() {
    Label3->setText(stepcomport(+1));
}

void frmUp1::Command4_Click() {
    Label3->setText(stepcomport(-1));
}

// However it closes, the window is unloaded with its port closed.
void frmUp1::done(int result) {
    MSComm1->setPortOpen(false);
    QDialog::done(result);
    if (forminstance<frmUp1>() == this) unload<frmUp1>();
}

} // namespace korvane
