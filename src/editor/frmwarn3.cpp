#include "editor/frmwarn3.h"

#include "core/calimage.h"
#include "core/commands.h"
#include "core/commio.h"
#include "core/editorstate.h"
#include "core/linestate.h"
#include "core/messages.h"
#include "core/onlineops.h"
#include "editor/copyrange.h"
#include "editor/copywindow.h"
#include "editor/looppause.h"
#include "editor/mapcatalogue.h"
#include "platform/forms.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace korvane {

namespace {
bool exchange(uint8_t byte)
{
    commtx = byte;
    commio(0);
    return commerror == 0;
}
} // namespace

RowCopyEnd ecurowcopy(int source, bool up)
{
    if (curmap < 1 || curmap > 7 || source < 0 || source > 31) return RowCopyEnd::notsent;
    // The row byte is also the row byte of a map select: however the copy ends, the ECU may
    // now trim the source row, so the next trim selects the cursor's column first.
    trimcolumn = {};
    if (!exchange(uint8_t(source)) || commrx != source + cmd::rowecho) return RowCopyEnd::notsent;
    if (!exchange(up ? cmd::rowcopyup(curmap) : cmd::rowcopydown(curmap))) {
        markecumaydiffer();
        return RowCopyEnd::unconfirmed;
    }
    // A late reply after it is a wrong answer: the ECU got the command all the same.
    const int reply = commend() ? commrx : -1;
    for (int i = 0; i < 32; ++i) copyticks[i] = up ? i >= source : i <= source;
    copyrange(source);
    calcmapsums();
    if (reply == celladdress(curmap, source, 0) >> 8) return RowCopyEnd::copied;
    markecumaydiffer();
    return RowCopyEnd::wronganswer;
}

frmWarn3::frmWarn3()
{
    setWindowTitle("Copy?");
    auto *layout = new QGridLayout(this);
    Label1 = copylabel(this, "Warning: This action will cause the current RPM range to be copied "
                             "to all ranges up or down.");
    Label2 = copylabel(this, "current");
    layout->addWidget(Label1, 0, 0, 1, 4);
    layout->addWidget(Label2, 1, 0, 1, 4);
    auto *rows = new QButtonGroup(this);
    for (int i = 0; i < 32; ++i) {
        Option1[i] = new QRadioButton(this);
        rows->addButton(Option1[i], i);
        layout->addWidget(Option1[i], 2 + i % 8, i / 8);
    }
    Frame1 = new QGroupBox("Copy direction", this);
    Option2 = new QRadioButton("Copy up", Frame1);
    Option3 = new QRadioButton("Copy down", Frame1);
    auto *direction = new QVBoxLayout(Frame1);
    direction->addWidget(Option2);
    direction->addWidget(Option3);
    layout->addWidget(Frame1, 10, 0, 1, 2);
    addokcancel(*this, *layout, 10, cmdOk, cmdCancel);
    connect(cmdOk, &QPushButton::clicked, this, &frmWarn3::cmdOk_Click);
    Form_Load();
}

void frmWarn3::Form_Load()
{
    for (int i = 0; i < 32; ++i) Option1[i]->setText(rowcaption(i));
    if (currpm < 32) Option1[currpm]->setChecked(true);
    markcurrent(Label2, currpm < 32 ? Option1[currpm] : nullptr);
    // No live poll may meet the copy's exchange.
    mainloop.stop();
    Option2->setChecked(true);
    adjustSize();
    centreonscreen(*this);
}

void frmWarn3::cmdOk_Click()
{
    int source = currpm;
    for (int i = 0; i < 32; ++i)
        if (Option1[i]->isChecked()) source = i;
    const RowCopyEnd copy = ecurowcopy(source, Option2->isChecked());
    if (copy == RowCopyEnd::unconfirmed)
        showmessage("Copy command failed, you should re-upload\nThe ECU did not answer the copy: "
                    "it may have copied the row all the same, the PC has not.",
                    "System Error", untildismissed, forced);
    else if (copy != RowCopyEnd::copied)
        showmessage("Copy command failed, you should re-upload", "System Error", 30, forced);
    done(Accepted);
}

// However it closes, the live loop runs again only if it ran before.
void frmWarn3::done(int result)
{
    mainloop.restore();
    QDialog::done(result);
    if (forminstance<frmWarn3>() == this) unload<frmWarn3>();
}

} // namespace korvane
