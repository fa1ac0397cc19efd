#include "logging/frmtrigtest.h"

#include "core/commands.h"
#include "core/commio.h"
#include "core/flags.h"
#include "core/linestate.h"
#include "core/messages.h"
#include "logging/crankcapture.h"
#include "logging/crankfile.h"
#include "logging/crankplot.h"
#include "platform/beep.h"
#include "platform/picturebox.h"
#include "platform/programfolder.h"
#include "platform/prompts.h"
#include "platform/savefile.h"
#include "platform/twips.h"

#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QScrollBar>
#include <QTimer>

namespace korvane {

namespace {
const QString countdowntext = QStringLiteral("Start cranking for 10 seconds in %1 seconds");
} // namespace

frmTrigtest::frmTrigtest()
{
    setWindowTitle("Crank test");
    menubar = new QMenuBar(this);
    QMenu *file = menubar->addMenu("&File");
    mnuExport = file->addAction("&Export", this, &frmTrigtest::mnuExport_Click);
    mnuOpengpr = file->addAction("&Open gpr", this, &frmTrigtest::mnuOpengpr_Click);
    mnuExit = file->addAction("E&xit", this, [this] { done(Accepted); });
    const int top = menubar->sizeHint().height();
    setFixedSize(tw(11310), top + tw(3990));
    menubar->setGeometry(0, 0, width(), top);

    Label1 = new QLabel(this);
    Label1->setFont(QFont("Arial", 12, QFont::Bold));
    Label1->setGeometry(tw(120), top + tw(60), tw(11070), tw(420));
    HScroll1 = new QScrollBar(Qt::Horizontal, this);
    HScroll1->setRange(0, 100);
    HScroll1->setGeometry(tw(120), top + tw(600), tw(11055), tw(255));
    HScroll1->setFocusPolicy(Qt::StrongFocus); // the arrow keys scroll the capture too
    picGraph = new PictureBox(this);
    picGraph->setGeometry(tw(120), top + tw(960), tw(11055), tw(2535));
    picGraph->setbackcolour(0);
    connect(HScroll1, &QScrollBar::valueChanged, this, &frmTrigtest::drawdata);
    Timer1 = new QTimer(this);
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &frmTrigtest::Timer1_Timer);
    Timer1->start();
    Form_Load();
}

void frmTrigtest::Form_Load()
{
    clearcrankedges();
    setmaintimer(false);
    crankcountdown = 0;
    if (online == flagset) {
        Label1->setText(countdowntext.arg(5));
    } else {
        Timer1->stop();
        Label1->setText("No test available offline");
        mnuExport->setEnabled(false);
    }
    picGraph->canvas().box(0, 0, 12000, 4000, 0);
    HScroll1->setValue(15);
}

// The live loop runs again after the test, whatever it did before.
void frmTrigtest::Form_Unload()
{
    Timer1->stop();
    setmaintimer(true);
}

void frmTrigtest::Timer1_Timer()
{
    if (crankcountdown < 8) {
        ++crankcountdown;
        if (crankcountdown < 6) Label1->setText(countdowntext.arg(5 - crankcountdown));
    } else if (crankcountdown == 8) {
        Timer1->stop();
        crankcountdown = 9;
        beep();
        timertest();
    }
}

void frmTrigtest::timertest()
{
    clearcrankedges();
    CrankCapture capture;
    uint8_t reply[4]{};
    bool ok = queryecu(cmd::querytimers, reply) == 4;
    if (ok) capture.start(reply[0], reply[3]);
    // A poll counts only when all four bytes came: a partial reply stores no edge.
    for (int poll = 0; ok && poll < crankedges; ++poll) {
        ok = queryecu(cmd::querytimers, reply) == 4;
        if (ok) capture.poll(reply[0], reply[3]);
    }
    if (ok) {
        Label1->setText("Test complete");
    } else if (takeofflineifportdead()) {
        // Not the battery: the port went down, and the program has said why.
        Label1->setText(offlinetext());
    } else {
        showmessage("The crank test stopped due to poor battery voltage", "Information", 30,
                    forced);
        Label1->setText("Test failed");
    }
    drawdata();
}

void frmTrigtest::drawdata() { korvane::drawdata(picGraph->canvas(), HScroll1->value()); }

QString frmTrigtest::choosefile()
{
    const QString pattern = programfolder() + "*.gpr";
    const QString path = openorcreatefiledialog("gpr files|*.gpr", "gpr", pattern);
    return path == pattern ? QString() : path;
}

void frmTrigtest::mnuExport_Click()
{
    if (online != flagset) return;
    const QString path = choosefile();
    if (path.isEmpty()) return;
    int clipped = 0;
    const QByteArray bytes = encodecrankfile(trigedges, syncedges, &clipped);
    const QString error = writewholefile(path, bytes);
    if (!error.isEmpty()) {
        showmessage("The crank test file was not written: " + error, "Warning", 40, forced);
        return;
    }
    setWindowTitle(path);
    if (clipped > 0)
        showmessage(QString("%1 edge times above 65535 were written as 65535").arg(clipped),
                    "Warning", 40, forced);
}

void frmTrigtest::mnuOpengpr_Click()
{
    const QString path = choosefile();
    if (path.isEmpty()) return;
    QFile file(path);
    QString error;
    crankfileedges edges;
    if (!file.open(QIODevice::ReadOnly))
        error = file.errorString();
    else
        error = decodecrankfile(file.read(crankfilebytes), edges);
    if (!error.isEmpty()) {
        showmessage("This is not a crank test file: " + error, "Warning", 40, forced);
        return;
    }
    std::copy(edges.trigger.begin(), edges.trigger.end(), trigedges);
    std::copy(edges.sync.begin(), edges.sync.end(), syncedges);
    setWindowTitle(path);
    drawdata();
}

} // namespace korvane
