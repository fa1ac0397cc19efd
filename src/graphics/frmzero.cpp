#include "graphics/frmzero.h"

#include "core/commands.h"
#include "core/commio.h"
#include "core/linestate.h"
#include "platform/beep.h"
#include "platform/canvas.h"
#include "platform/fittext.h"
#include "platform/picturebox.h"
#include "platform/pollrate.h"
#include "platform/twips.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>

namespace korvane {

uint8_t mondecimal = 0;

namespace {
constexpr uint32_t gridgrey = 0x707070, cyan = 0xFFFF00;
constexpr int graphbase = 3900, graphwidth = 12000, graphheight = 4400, step = 66;
// The monitored byte's face; a long text (a lost port's reason) takes a smaller one to fit.
QFont valueface() { return QFont("Arial", 12, QFont::Bold); }
constexpr int samples = 166;
constexpr int pollinterval = 50;
constexpr int flatscale = 109; // the scale value at which the graph would have no height

struct quickvar {
    const char *name;
    const char *high;
    const char *low;
};
constexpr quickvar quickvars[] = {
    {"TPS", "6A", "88"},       {"ISC PID", "6A", "92"}, {"STT LEFT", "6B", "13"},
    {"STT RIGHT", "6B", "E0"}, {"CTS", "6A", "E0"},
};

// Sends one byte of the handshake and checks the ECU's answer.
bool handshake(uint8_t byte, uint8_t expected)
{
    commtx = byte;
    commio(0);
    return commerror == 0 && commrx == expected;
}
} // namespace

std::optional<uint8_t> hexbyte(const QString &text)
{
    const QString digits = text.trimmed();
    if (digits.isEmpty() || digits.size() > 2) return std::nullopt;
    bool ok = false;
    const uint value = digits.toUInt(&ok, 16);
    if (!ok) return std::nullopt;
    return uint8_t(value);
}

int monplotvalue(uint8_t byte, bool unsignedbyte) { return unsignedbyte ? byte : byte ^ 0x80; }

void MonitorGraph::mondraw(Canvas &canvas, int plotted, int scale)
{
    canvas.FontName = "arial";
    canvas.FontSize = 10;
    const int s = (flatscale - scale) * 20;
    if (++position >= samples) {
        canvas.box(0, 0, graphwidth, graphheight, 0);
        for (int k = 0; k <= 13; ++k)
            canvas.line(0, graphbase - k * s, graphwidth, graphbase - k * s, gridgrey);
        for (int k = 0; k <= 70; ++k)
            canvas.line(k * s, graphbase - 13 * s, k * s, graphbase, gridgrey);
        position = 0;
    }
    const double y = graphbase - double(flatscale - scale) * plotted;
    canvas.line(step * position, lasty, step * position + step, y, cyan);
    lasty = y;
}

frmZero::frmZero()
{
    setWindowTitle("Monitor data");
    setModal(true);

    menubar = new QMenuBar(this);
    menubar->addMenu("&Monitor")->addAction("E&xit", this, [this] { done(Accepted); });
    const int top = totwips(menubar->sizeHint().height()) + 120;

    auto label = [this](const QString &text, int left, int y, int width) {
        auto *l = new QLabel(text, this);
        l->setGeometry(tw(left), tw(y), tw(width), tw(285));
        return l;
    };
    label("Hex address", 240, top, 1500);
    Text3 = new QLineEdit(this);
    Text3->setGeometry(tw(240), tw(top + 300), tw(600), tw(330));
    Text1 = new QLineEdit(this);
    Text1->setGeometry(tw(900), tw(top + 300), tw(600), tw(330));
    Command1 = new QPushButton("Enter", this);
    Command1->setGeometry(tw(1620), tw(top + 270), tw(1000), tw(390));
    Command2 = new QPushButton("&Hex", this);
    Command2->setGeometry(tw(2740), tw(top + 270), tw(1000), tw(390));
    label("Quickload", 4000, top, 1500);
    Combo3 = new QComboBox(this);
    Combo3->setGeometry(tw(4000), tw(top + 300), tw(1800), tw(330));
    Option1 = new QRadioButton("signed byte", this);
    Option1->setGeometry(tw(6100), tw(top + 60), tw(2000), tw(285));
    Option2 = new QRadioButton("un-signed byte", this);
    Option2->setGeometry(tw(6100), tw(top + 360), tw(2000), tw(285));
    Option2->setChecked(true);
    // Room for a lost port's reason too, on two lines above the graph.
    Label1 = label(QString(), 8400, top, graphwidth + 120 - 8400);
    Label1->setFont(valueface());
    Label1->setWordWrap(true);
    Label1->setFixedHeight(tw(840));

    const int graphtop = top + 900;
    picGraph = new PictureBox(this);
    picGraph->setGeometry(tw(120), tw(graphtop), tw(graphwidth), tw(graphheight));
    picGraph->setbackcolour(0);
    VScroll1 = new QScrollBar(Qt::Vertical, this);
    VScroll1->setGeometry(tw(graphwidth + 150), tw(graphtop), tw(255), tw(graphheight));
    VScroll1->setRange(0, flatscale - 1);
    VScroll1->setFocusPolicy(Qt::StrongFocus); // the scale can be set with the keys too
    setFixedSize(tw(graphwidth + 600), tw(graphtop + graphheight + 240));

    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command2, &QPushButton::clicked, this, &frmZero::Command2_Click);
    connect(Combo3, &QComboBox::activated, this, &frmZero::Combo3_Click);
    // Every change of an address byte has the ECU told the new address at the next tick.
    for (QLineEdit *field : {Text1, Text3})
        connect(field, &QLineEdit::textChanged, this, [this] { addresspending = true; });

    Timer1 = new QTimer(this);
    Timer1->setInterval(pollinterval);
    connect(Timer1, &QTimer::timeout, this, &frmZero::Timer1_Timer);
    Form_Load();
}

void frmZero::Form_Load()
{
    loadmonvars();
    VScroll1->setValue(100);
    setwrappedtext(*Label1, "0", valueface());
    setmaintimer(false);
    Timer1->start();
}

void frmZero::Form_Unload()
{
    Timer1->stop();
    setmaintimer(true);
}

void frmZero::loadmonvars()
{
    for (const quickvar &v : quickvars) Combo3->addItem(v.name);
    // No name shows until one is chosen: the ECU has been told no address yet.
    Combo3->setCurrentIndex(-1);
}

void frmZero::Combo3_Click(int index)
{
    if (index < 0 || index >= int(std::size(quickvars))) return;
    Text3->setText(quickvars[index].high);
    Text1->setText(quickvars[index].low);
    addresspending = true;
}

bool frmZero::Command1_Click()
{
    // Enter judges the address; the ticks leave an address still being typed alone, untold.
    if (!hexbyte(Text3->text()) || !hexbyte(Text1->text())) {
        beep();
        return false;
    }
    return sendaddress();
}

bool frmZero::sendaddress()
{
    const std::optional<uint8_t> high = hexbyte(Text3->text()), low = hexbyte(Text1->text());
    if (!high || !low) return false;
    if (!handshake(cmd::monitoraddress, cmd::monitorack1) ||
        !handshake(*high, cmd::monitorack2) || !handshake(*low, cmd::monitorack3) || !commend()) {
        showerror();
        return false;
    }
    addresspending = false;
    return true;
}

// "error" for an ECU that did not answer on a live port; a port that went down says why.
void frmZero::showerror() {
    setwrappedtext(*Label1, takeofflineifportdead() ? offlinetext() : "error", valueface());
}

void frmZero::Command2_Click() { mondecimal = mondecimal ? 0 : 255; }

void frmZero::Timer1_Timer()
{
    if (addresspending) {
        sendaddress();
        // A wrong acknowledgement is an answer; only a byte that never came slows the timer.
        setpollrate(*Timer1, commerror == 0, pollinterval);
        return;
    }
    commtx = cmd::monitorread;
    commio(0);
    commend();
    setpollrate(*Timer1, commerror == 0, pollinterval);
    if (commerror) {
        // A byte that never came is neither shown nor plotted.
        showerror();
        return;
    }
    setwrappedtext(*Label1, QString::number(commrx, mondecimal ? 10 : 16).toUpper(), valueface());
    graph.mondraw(picGraph->canvas(), monplotvalue(commrx, Option2->isChecked()),
                  VScroll1->value());
}

} // namespace korvane
