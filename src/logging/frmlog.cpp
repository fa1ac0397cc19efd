#include "logging/frmlog.h"

#include "core/commands.h"
#include "core/commio.h"
#include "core/flags.h"
#include "core/frmup1.h"
#include "core/linestate.h"
#include "core/mainport.h"
#include "core/messages.h"
#include "core/names.h"
#include "core/pauseonline.h"
#include "core/prefs.h"
#include "core/transferwindow.h"
#include "core/upload.h"
#include "logging/exportswindows.h"
#include "logging/frmfastlog.h"
#include "logging/frmlogtexts.h"
#include "logging/logreport.h"
#include "platform/forms.h"
#include "platform/loggrid.h"
#include "platform/pollrate.h"
#include "platform/serialport.h"
#include "platform/twips.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

#include <algorithm>

namespace korvane {

namespace {
constexpr int tablerows = 27169, tablecols = 17, viewrows = 11;
const QString pcheading = QStringLiteral("timestamp");
} // namespace

frmLog::frmLog() {
    setWindowTitle("PC data logger");
    menubar = new QMenuBar(this);
    mnuLog = menubar->addMenu("&Log");
    mnuHighspeed = mnuLog->addAction("&Report", this, &frmLog::mnuHighspeed_Click);
    mnuSave = mnuLog->addAction("&Save", this, &frmLog::mnuSave_Click);
    mnuExit = mnuLog->addAction("E&xit", this, &frmLog::mnuExit_Click);
    mnuExport = menubar->addMenu("&Export");
    mnuExcel = mnuExport->addAction("To &Excel sheet", this, &frmLog::mnuExcel_Click);
    mnuExportText = mnuExport->addAction("To &text file", this, &frmLog::mnuExportText_Click);
    mnuExportCsv = mnuExport->addAction("To &csv file", this, &frmLog::mnuExportCsv_Click);

    client = new QWidget(this);
    Command1 = placebutton(client, "Stop", 120, 120, 975);
    Command2 = placebutton(client, "Start", 1215, 120, 975);
    Label1 = placelabel(client, "Logging", 2400, 165, 2400, 300);
    Label7 = placelabel(client, "Slower ", 0, 165, 720, 300);
    HScroll1 = new QScrollBar(Qt::Horizontal, client);
    HScroll1->setRange(1, 16);
    HScroll1->setPageStep(1);
    HScroll1->setFocusPolicy(Qt::StrongFocus); // the rate can be set with the keys too
    Label8 = placelabel(client, " Faster", 0, 165, 720, 300);
    Label3 = placelabel(client, " 1             8          16 Hz", 0, 420, 2400, 300);
    Label2 = placelabel(client, "1 Hz", 0, 165, 1500, 300);
    logGrid1 = new LogGrid(client);
    logGrid2 = new LogGrid(client);
    // The window opens on the table, not on "Stop", which a reflex Return would press.
    logGrid1->setFocus();
    Timer1 = new QTimer(this);
    Timer1->setInterval(1000);

    connect(Command1, &QPushButton::clicked, this, &frmLog::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &frmLog::Command2_Click);
    connect(HScroll1, &QScrollBar::valueChanged, this, &frmLog::HScroll1_Change);
    connect(Timer1, &QTimer::timeout, this, &frmLog::Timer1_Timer);
    // The stored-log report of the upload window is written into this window's table.
    storedlogreport() = [this] { writelogreport(logGrid2->table(), rxbuffer.data()); };

    resize(tw(11310), tw(7545) + menubar->sizeHint().height());
    Form_Load();
}

frmLog::~frmLog() {
    storedlogreport() = nullptr;
}

void frmLog::Form_Load() {
    centreonscreen(*this);
    HScroll1->setValue(prefs[13] != 0 ? 16 : 2);
    HScroll1_Change();
    logrow = 1;
    Label1->setText("Offline");
    sizetable();
    writeheaders();
    pauseonline();
    paused = true;
    Timer1->start();
    Label2->setText(lograte(Timer1->interval()));
}

void frmLog::sizetable() {
    for (int rows = tablerows; rows > 2000; rows -= 2000)
        if (logGrid2->table().resize(rows, tablecols)) break;
    logGrid1->table().resize(viewrows, tablecols);
    for (LogGrid *grid : {logGrid1, logGrid2}) {
        for (int c = 0; c < tablecols; ++c)
            grid->setcolwidth(c, c == 0 ? 1200 : 1000); // room for "timestamp" and a time
        grid->setheaderheight(480);
        grid->setrowheight(255);
    }
}

void frmLog::writeheaders() {
    for (int c = 1; c < tablecols; ++c) {
        logGrid1->table().settext(0, c, channame[c - 1]);
        logGrid2->table().settext(0, c, channame[c - 1]);
    }
    logGrid1->table().settext(0, 0, "line stamp");
    logGrid2->table().settext(0, 0, pcheading);
}

void frmLog::HScroll1_Change() {
    Timer1->setInterval(lograteinterval(HScroll1->value()));
}

// The label says the log rests until Start, not the last sample's state.
void frmLog::stoplogging() {
    Timer1->stop();
    Label1->setText("Stopped");
}

void frmLog::Command1_Click() {
    stoplogging();
    logGrid1->table().setredraw(true);
    logGrid2->table().setredraw(true);
}

void frmLog::Command2_Click() {
    Timer1->start();
}

void frmLog::Timer1_Timer() {
    // A closed port logs nothing, and the label says why instead of the last sample's state.
    if (!mainport().PortOpen()) {
        showportdown();
        return;
    }
    LogTable &table = logGrid2->table();
    if (logrow > table.rows() - 2) {
        Timer1->stop();
        Label1->setText("The log table is full"); // stays, whatever the message setting
        showmessage("The log table is full", "Information", 30, 0);
        return;
    }
    const QTime now = QTime::currentTime();
    ++samplecount;
    if (now.second() != lastsecond) {
        if (samplecount != 0) Label2->setText(QStringLiteral("%1 Hz").arg(samplecount));
        samplecount = 0;
        lastsecond = now.second();
    }
    if (table.text(0, 0) != pcheading) writeheaders(); // a report's headings go
    LogTable &view = logGrid1->table();
    const int viewrow = logrow % 10 + 1;
    view.settext(viewrow, 0, QString::number(logrow));
    table.settext(logrow + 1, 0, logtimetext(now));
    // A sample the ECU did not answer keeps its row with the time alone, so the log shows
    // when the ECU fell silent; no value of a half-answered sample is written.
    uint8_t raw[16];
    bool answered = true;
    for (int g = 0; g < 4 && answered; ++g)
        answered = queryecu(cmd::querylog(g), raw + 4 * g) == 4;
    const bool portdown = !answered && takeofflineifportdead();
    setpollrate(*Timer1, answered, lograteinterval(HScroll1->value()));
    for (int ch = 0; ch < 16; ++ch) {
        const QString text = answered ? channeltext(ch, raw[ch]) : QString();
        view.settext(viewrow, ch + 1, text);
        table.settext(logrow + 1, ch + 1, text);
    }
    view.setredraw(true);
    ++logrow;
    if (portdown)
        showportdown();
    else
        Label1->setText(answered ? "Logging" : "No reply from the ECU");
}

void frmLog::showportdown() {
    Label1->setText(offlinetext());
    setpollrate(*Timer1, false, lograteinterval(HScroll1->value()));
}

void frmLog::mnuHighspeed_Click() {
    stoplogging();
    form<frmFastlog>()->exec();
}

void frmLog::mnuSave_Click() {
    showmessage("You need to export to Excel and save as an Excel sheet", "Information", 30,
                forced);
}

void frmLog::mnuExit_Click() {
    done(Rejected);
}

template <class T> void frmLog::showexport() {
    Command1_Click();
    T *window = form<T>();
    window->source = &logGrid2->table();
    window->exec();
}

void frmLog::mnuExcel_Click() {
    showexport<frmExport>();
}

void frmLog::mnuExportText_Click() {
    showexport<frmExportText>();
}

void frmLog::mnuExportCsv_Click() {
    showexport<frmExportCsv>();
}

void frmLog::resizeEvent(QResizeEvent *event) {
    QDialog::resizeEvent(event);
    Form_Resize();
}

void frmLog::Form_Resize() {
    const int bar = menubar->sizeHint().height();
    menubar->setGeometry(0, 0, width(), bar);
    client->setGeometry(0, bar, width(), height() - bar);
    const int w = totwips(width()), h = totwips(height());
    // The rolling view shows all ten of its samples under headings of up to three lines.
    const int viewheight = std::max(tw(3240), rollingviewheight());
    logGrid1->setGeometry(tw(120), tw(840), tw(w - 375), viewheight);
    // The table keeps to the bottom edge; this window's height has no title bar in it.
    const int tabletop = tw(840) + viewheight + tw(120);
    if (h >= 5320)
        logGrid2->setGeometry(tw(120), tabletop, tw(w - 375),
                              std::max(client->height() - tabletop - tw(120), 0));
    Label2->move(tw(w - 1830), Label2->y());
    Label8->move(tw(w - 2910), Label8->y());
    Label7->move(tw(w - 5430), Label7->y());
    HScroll1->setGeometry(tw(w - 4710), tw(120), tw(1815), tw(255));
    Label3->move(tw(w - 4590), Label3->y());
}

int frmLog::rollingviewheight() const {
    const int rows = std::max(logGrid1->table().rows() - 1, 0);
    return logGrid1->horizontalHeader()->height() +
           rows * logGrid1->verticalHeader()->defaultSectionSize() +
           logGrid1->horizontalScrollBar()->sizeHint().height() + 2 * logGrid1->frameWidth();
}

void frmLog::closeEvent(QCloseEvent *event) {
    if (exportrunning)
        event->ignore();
    else
        QDialog::closeEvent(event);
}

void frmLog::reject() {
    if (!exportrunning) QDialog::reject();
}

// However it closes, the live loop resumes on an open main port, and the window is unloaded.
void frmLog::done(int result) {
    Timer1->stop();
    if (paused) resumeonline();
    paused = false;
    // A line that went away while the window was open is noticed here (the port closes with
    // its reason), so the program goes offline saying why and keeps what waited for Enter.
    mainport().InBufferCount();
    if (online == flagset && !mainport().PortOpen()) restoremainport();
    QDialog::done(result);
    if (forminstance<frmLog>() == this) unload<frmLog>();
}

} // namespace korvane
