#include "editor/frmwarn5.h"

#include "editor/delval.h"
#include "platform/forms.h"
#include "platform/twips.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace korvane {

frmWarn5::frmWarn5()
{
    setWindowTitle("Checksum error!");
    auto label = [this](const QString &text) {
        auto *l = new QLabel(text, this);
        l->setWordWrap(true);
        l->setFont(QFont("Arial", 10));
        return l;
    };
    Label1 = label("Warning: A checksum error has occurred. Possible problems are: ");
    Label2 = label("1. The serial cable is not connected or has become disconnected. ");
    Label3 = label("2. The file on your PC does not match the file in the KORVANE 2.0. ");
    Label6 = label("3. The KORVANE 2.0  has rebooted due to an internal software failure.");
    Label4 = label("IF THIS ERROR HAS OCCURRED DURING A PROGRAMMING SESSION, SAVE THE FILE AT "
                   "THE PC AND DOWNLOAD BEFORE RESUMING TUNING.");
    Label8 = label("PC checksum:");
    Label5 = label(QString());
    Label9 = label("Returned checksum:");
    Label7 = label(QString());
    cmdOk = new QPushButton("OK", this);
    cmdOk->setDefault(true);
    connect(cmdOk, &QPushButton::clicked, this, [this] { done(Accepted); });
    auto *layout = new QGridLayout(this);
    int row = 0;
    for (QLabel *text : {Label1, Label2, Label3, Label6, Label4}) layout->addWidget(text, row++, 0, 1, 2);
    layout->addWidget(Label8, row, 0);
    layout->addWidget(Label5, row++, 1);
    layout->addWidget(Label9, row, 0);
    layout->addWidget(Label7, row++, 1);
    layout->addWidget(cmdOk, row, 0, 1, 2, Qt::AlignHCenter);
    setFixedWidth(tw(7200));
    Form_Load();
}

void frmWarn5::Form_Load()
{
    adjustSize();
    centreonscreen(*this);
    Label5->setText(QString::number(((pcchecksum % 256) + 256) % 256));
    Label7->setText(ecuchecksum < 0 ? QString("no reply") : QString::number(ecuchecksum));
}

// Unloaded however it closes, so the next error shows its own numbers.
void frmWarn5::done(int result)
{
    QDialog::done(result);
    if (forminstance<frmWarn5>() == this) unload<frmWarn5>();
}

} // namespace korvane
