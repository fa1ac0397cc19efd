#include "graphics/frmangle.h"

#include "editor/frmfuel1links.h"
#include "editor/viewangles.h"
#include "platform/twips.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <cmath>

namespace korvane {

namespace {
// The 3D view again for the new angles; drawn as a 32 x 32 map whatever map is shown, until
// the next regular redraw.
void redrawangles()
{
    const frmfuel1links &links = fuel1links();
    if (links.loadrotcartesians) links.loadrotcartesians();
    if (links.threedraw32) links.threedraw32();
}
} // namespace

frmAngle::frmAngle()
{
    setWindowTitle("Viewing angle");
    setModal(true);
    setFixedSize(tw(4200), tw(3600));

    auto *label = new QLabel("HORIZONTAL ANGLE", this);
    label->setGeometry(tw(240), tw(120), tw(3000), tw(300));
    HScroll1 = new QScrollBar(Qt::Horizontal, this);
    HScroll1->setGeometry(tw(240), tw(450), tw(3000), tw(300));
    HScroll1->setRange(0, 360);
    HScroll1->setPageStep(10);
    // A scroll bar's keys scroll a page: → would lower the value. The angle turns the way the
    // arrow points.
    HScroll1->setInvertedControls(false);

    label = new QLabel("VERTICAL ANGLE", this);
    label->setGeometry(tw(240), tw(900), tw(3000), tw(300));
    VScroll1 = new QScrollBar(Qt::Vertical, this);
    VScroll1->setGeometry(tw(240), tw(1230), tw(300), tw(1800));
    VScroll1->setRange(0, 10);
    VScroll1->setPageStep(1);
    // The angles can be turned with the keys too.
    HScroll1->setFocusPolicy(Qt::StrongFocus);
    VScroll1->setFocusPolicy(Qt::StrongFocus);

    Command1 = new QPushButton("&Ok", this);
    Command1->setGeometry(tw(2400), tw(2700), tw(1200), tw(450));
    connect(Command1, &QPushButton::clicked, this, &frmAngle::Command1_Click);
    Form_Load();
    connect(HScroll1, &QScrollBar::valueChanged, this, &frmAngle::HScroll1_Change);
    connect(VScroll1, &QScrollBar::valueChanged, this, &frmAngle::VScroll1_Change);
}

void frmAngle::Form_Load()
{
    HScroll1->setValue(int(std::nearbyint(viewrot)));
    VScroll1->setValue(int(std::nearbyint(viewtilt)));
}

void frmAngle::HScroll1_Change(int value)
{
    viewrot = value;
    redrawangles();
}

void frmAngle::VScroll1_Change(int value)
{
    viewtilt = value;
    redrawangles();
}

void frmAngle::Command1_Click() { done(Accepted); }

} // namespace korvane
