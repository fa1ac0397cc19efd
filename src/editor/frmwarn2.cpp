#include "editor/frmwarn2.h"

#include "core/editorstate.h"
#include "editor/copyrange.h"
#include "editor/copywindow.h"
#include "editor/mapcatalogue.h"
#include "platform/forms.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace korvane {

frmWarn2::frmWarn2()
{
    setWindowTitle("Copy?");
    auto *layout = new QGridLayout(this);
    Label1 = copylabel(this, "Warning: This action will cause the current RPM or X-axis range to "
                             "be copied to the following ranges");
    Label2 = copylabel(this, "current");
    layout->addWidget(Label1, 0, 0, 1, 4);
    layout->addWidget(Label2, 1, 0, 1, 4);
    for (int i = 0; i < 32; ++i) {
        Check1[i] = new QCheckBox(this);
        layout->addWidget(Check1[i], 2 + i % 8, i / 8);
    }
    addokcancel(*this, *layout, 10, cmdOk, cmdCancel);
    connect(cmdOk, &QPushButton::clicked, this, &frmWarn2::cmdOk_Click);
    Form_Load();
}

void frmWarn2::Form_Load()
{
    const int rows = maprows(curmap);
    for (int i = 0; i < 32; ++i) {
        Check1[i]->setVisible(i < rows);
        Check1[i]->setChecked(i < rows);
        Check1[i]->setText(rowcaption(i));
    }
    markcurrent(Label2, currpm < 32 ? Check1[currpm] : nullptr);
    adjustSize();
    centreonscreen(*this);
}

void frmWarn2::cmdOk_Click()
{
    for (int i = 0; i < 32; ++i) copyticks[i] = Check1[i]->isChecked();
    copyrange(currpm);
    done(Accepted);
}

void frmWarn2::done(int result)
{
    QDialog::done(result);
    if (forminstance<frmWarn2>() == this) unload<frmWarn2>();
}

} // namespace korvane
