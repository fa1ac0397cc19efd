#include "editor/frminjtrim.h"

#include "core/messages.h"
#include "editor/frmfuel1.h"
#include "editor/gridscroll.h"
#include "editor/numbertext.h"
#include "editor/scalefuel.h"
#include "platform/forms.h"
#include "platform/mapgrid.h"
#include "platform/prompts.h"
#include "platform/twips.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>

#include <cmath>

namespace korvane {

frmInjtrim::frmInjtrim()
{
    setWindowTitle("Injector change trim");
    const QFont times("Times New Roman", 10);
    const QFont sans("MS Sans Serif", 10);
    auto label = [&](const QString &text, QWidget *parent) {
        auto *l = new QLabel(text, parent);
        l->setFont(times);
        return l;
    };

    Frame1 = new QGroupBox("OLD/NEW FLOW", this);
    Frame1->setFont(times);
    Label38 = label("OLD INJECTOR FLOW RATE", Frame1);
    Label1 = label("NEW INJECTOR FLOW RATE", Frame1);
    Text33 = new QLineEdit("Text1", Frame1);
    Text1 = new QLineEdit("Text1", Frame1);
    Text33->setFont(sans);
    Text1->setFont(sans);
    Command1 = new QPushButton("enter", Frame1);
    auto *flow = new QGridLayout(Frame1);
    flow->addWidget(Label38, 0, 0);
    flow->addWidget(Text33, 0, 1);
    flow->addWidget(Label1, 1, 0);
    flow->addWidget(Text1, 1, 1);
    flow->addWidget(Command1, 2, 1);

    Frame2 = new QGroupBox("MULTIPLY UP/DOWN", this);
    Frame2->setFont(times);
    Label2 = label("MULTIPLY FUEL PULSE WIDTH BY:", Frame2);
    Slider1 = new QSlider(Qt::Horizontal, Frame2);
    Slider1->setRange(0, 200);
    Label3 = label("0", Frame2);
    Label4 = label("%", Frame2);
    Command2 = new QPushButton("enter", Frame2);
    auto *multiply = new QGridLayout(Frame2);
    multiply->addWidget(Label2, 0, 0, 1, 3);
    multiply->addWidget(Slider1, 1, 0, 1, 3);
    multiply->addWidget(Label3, 2, 0, Qt::AlignRight);
    multiply->addWidget(Label4, 2, 1);
    multiply->addWidget(Command2, 2, 2);

    auto *layout = new QHBoxLayout(this);
    layout->addWidget(Frame1);
    layout->addWidget(Frame2);
    setMinimumWidth(tw(9000));

    connect(Slider1, &QSlider::valueChanged, this, &frmInjtrim::Slider1_Change);
    connect(Command1, &QPushButton::clicked, this, &frmInjtrim::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &frmInjtrim::Command2_Click);
    Form_Load();
}

void frmInjtrim::Form_Load()
{
    Text33->setText("100");
    Text1->setText("100");
    Slider1->setValue(100);
    Label3->setText("0");
}

void frmInjtrim::Slider1_Change() { Label3->setText(QString::number(Slider1->value() - 100)); }

void frmInjtrim::Command1_Click()
{
    // Flow rates of 0 or less would give no factor or negative fuel cells; the rates count as
    // single-precision numbers, in which a tiny typed rate is 0 as well.
    const std::optional<double> oldrate = typednumber(Text33->text());
    const std::optional<double> newrate = typednumber(Text1->text());
    const float oldflow = oldrate ? float(*oldrate) : 0, newflow = newrate ? float(*newrate) : 0;
    const bool valid = oldflow > 0 && newflow > 0;
    const float factor = valid ? oldflow / newflow : 0;
    if (!valid || !std::isfinite(factor)) {
        showmessage("Invalid flow rate entered", "Warning", 20, forced);
        return;
    }
    applyfactor(factor);
}

void frmInjtrim::Command2_Click() { applyfactor(float(Slider1->value()) / 100); }

void frmInjtrim::applyfactor(float factor)
{
    if (msgboxokcancel("Proceeding will alter the fuel map, do you wish to continue?"))
        scalefuelmap(factor);
    repaintmainmap();
    done(Accepted);
    if (loaded<frmFuel1>()) focusgrid(form<frmFuel1>()->mapgrid);
}

void frmInjtrim::done(int result)
{
    QDialog::done(result);
    if (forminstance<frmInjtrim>() == this) unload<frmInjtrim>();
}

} // namespace korvane
