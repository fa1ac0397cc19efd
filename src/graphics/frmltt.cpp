#include "graphics/frmltt.h"

#include "core/commands.h"
#include "core/commio.h"
#include "core/linestate.h"
#include "editor/celltext.h"
#include "platform/mapgrid.h"
#include "platform/pollrate.h"
#include "platform/prompts.h"
#include "platform/twips.h"

#include <QPushButton>
#include <QTimer>
#include <algorithm>

namespace korvane {

namespace {
constexpr uint32_t headergrey = 0xD0D0D0;
constexpr uint32_t paleyellow = 0xE0FFFF;
constexpr uint32_t yellow = 0xFFFF;
constexpr int pollinterval = 200;
const QString caption = QStringLiteral("Long term fuel trim table");
} // namespace

QString ltttext(uint8_t byte) { return decimaltext((byte - 128) * 0.5); }

lttcell lttcurrentcell(uint8_t byte)
{
    return {std::min(byte & 15, 3), std::min(byte >> 4, 7)};
}

frmLtt::frmLtt()
{
    setWindowTitle(caption);
    setModal(true);

    SCGrid1 = new MapGrid(this);
    // The table only shows values: Tab and the window's own keys reach its buttons.
    SCGrid1->setFocusPolicy(Qt::NoFocus);
    SCGrid1->setgridsize(4, 8);
    SCGrid1->setcellsize(tw(375), tw(900));
    SCGrid1->settext(-1, -1, "load");
    SCGrid1->setbackcolour(-1, -1, headergrey);
    for (int c = 0; c < 8; ++c) {
        SCGrid1->settext(-1, c, QString("%1 rpm").arg(800 * c));
        SCGrid1->setbackcolour(-1, c, headergrey);
    }
    for (int r = 0; r < 4; ++r) {
        SCGrid1->settext(r, -1, QString("%1 mmHg").arg(500 - 100 * r));
        SCGrid1->setbackcolour(r, -1, headergrey);
    }

    // The grid box ends with its rows and columns; the buttons sit under it.
    const QSize grid = SCGrid1->fittedsize();
    SCGrid1->setGeometry(tw(120), tw(120), grid.width(), grid.height());
    const int width = totwips(grid.width()) + 240, buttons = totwips(grid.height()) + 300;
    Command2 = new QPushButton("Clear &LTT table", this);
    Command2->setGeometry(tw(120), tw(buttons), tw(2000), tw(450));
    connect(Command2, &QPushButton::clicked, this, &frmLtt::Command2_Click);
    cmdCancel = new QPushButton("E&xit", this);
    cmdCancel->setGeometry(tw(width - 2120), tw(buttons), tw(2000), tw(450));
    connect(cmdCancel, &QPushButton::clicked, this, &frmLtt::cmdCancel_Click);
    // The window opens on "E&xit": a reflex Return closes it and never starts clearing the
    // ECU's trims.
    cmdCancel->setFocus();
    setFixedSize(tw(width), tw(buttons + 570));

    Timer1 = new QTimer(this);
    Timer1->setInterval(pollinterval);
    connect(Timer1, &QTimer::timeout, this, &frmLtt::Timer1_Timer);
    Form_Load();
}

void frmLtt::Form_Load()
{
    setmaintimer(false);
    Timer1->start();
}

void frmLtt::Form_Unload()
{
    Timer1->stop();
    setmaintimer(true);
}

void frmLtt::Timer1_Timer()
{
    SCGrid1->setredraw(false);
    const bool answered = polltable();
    setpollrate(*Timer1, answered, pollinterval);
    if (!answered && takeofflineifportdead()) showportdown();
    // Also after a failed exchange, or the grid would stay frozen.
    SCGrid1->setredraw(true);
}

bool frmLtt::polltable()
{
    uint8_t reply[4];
    for (int c = 0; c < 8; ++c) {
        // A column is shown only whole: a half-answered query shows nothing of it.
        if (queryecu(cmd::queryltt(c), reply) < 4) return false;
        for (int r = 0; r < 4; ++r) {
            SCGrid1->settext(r, c, ltttext(reply[r]));
            SCGrid1->setbackcolour(r, c, paleyellow);
        }
    }
    // Byte 2 of the closed-loop query is the cell being trimmed.
    if (queryecu(cmd::queryclosedloop, reply) < 4) return false;
    const lttcell cell = lttcurrentcell(reply[1]);
    SCGrid1->setbackcolour(cell.row, cell.column, yellow);
    return true;
}

void frmLtt::Command2_Click()
{
    if (!msgboxokcancel("This will clear the non-volatile LTT table")) return;
    commtx = cmd::clearltt;
    commio(1);
    // A port that died on the way takes the program offline with its reason; the caption
    // keeps saying why while the window stays open.
    if (takeofflineifportdead()) showportdown();
}

// The table's values are no longer live: the caption says why.
void frmLtt::showportdown() {
    setWindowTitle(caption + " - " + offlinetext());
}

void frmLtt::cmdCancel_Click() { done(Accepted); }

} // namespace korvane
