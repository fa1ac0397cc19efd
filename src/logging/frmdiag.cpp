#include "logging/frmdiag.h"

#include "core/commands.h"
#include "core/commio.h"
#include "core/linestate.h"
#include "core/pauseonline.h"
#include "platform/forms.h"
#include "platform/passwordbox.h"
#include "platform/pollrate.h"
#include "platform/twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

namespace korvane {

namespace {
const QString accesscode = QStringLiteral("pelfrost");

constexpr int none = -1, switches = -2;
constexpr int pollinterval = 100;

// Asks one query and counts the reply bytes as they arrive: inputs[i] takes byte i + 1
// (none: ignored; switches: AUX1..AUX6 from its bits). False when the query failed.
bool samplequery(InputTester &stats, uint8_t letter, std::initializer_list<int> inputs)
{
    uint8_t reply[4]{};
    const int got = queryecu(letter, reply);
    int i = 0;
    for (const int input : inputs) {
        if (i >= got) break;
        if (input == switches)
            for (int aux = diag::aux1; aux <= diag::aux6; ++aux) stats.classify(diaginput(aux), reply[i]);
        else if (input != none)
            stats.classify(diaginput(input), reply[i]);
        ++i;
    }
    return got == 4;
}
} // namespace

frmDiag::frmDiag()
{
    setWindowTitle("Input test");
    setFixedSize(tw(4680), tw(5745));
    Command41 = new QPushButton("&Reset", this);
    Command41->setGeometry(tw(120), tw(120), tw(1215), tw(375));
    Label52 = new QLabel("Password:", this);
    Label52->setGeometry(tw(1500), tw(160), tw(900), tw(300));
    Text38 = new QLineEdit(QString(20, '*'), this);
    maskwithstars(*Text38);
    Text38->setGeometry(tw(2400), tw(120), tw(2160), tw(375));
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setGeometry(tw(120), tw(600), tw(4440), tw(300));
    Text1 = new QPlainTextEdit("Analysis results:", this);
    Text1->setGeometry(tw(120), tw(1020), tw(4440), tw(3600));
    Text1->setTabChangesFocus(true); // Tab leads on to the timers and "E&xit"
    Label1 = new QLabel("Trig timer:", this);
    Label1->setGeometry(tw(120), tw(4760), tw(1100), tw(300));
    Text24 = new QLineEdit("0", this);
    Text24->setGeometry(tw(1260), tw(4720), tw(900), tw(375));
    Label2 = new QLabel("Sync timer:", this);
    Label2->setGeometry(tw(2340), tw(4760), tw(1200), tw(300));
    Text2 = new QLineEdit("0", this);
    Text2->setGeometry(tw(3600), tw(4720), tw(900), tw(375));
    Command1 = new QPushButton("E&xit", this);
    Command1->setGeometry(tw(3345), tw(5220), tw(1215), tw(375));
    Timer1 = new QTimer(this);
    Timer1->setInterval(pollinterval);
    connect(Command41, &QPushButton::clicked, this, &frmDiag::Command41_Click);
    connect(Command1, &QPushButton::clicked, this, [this] { done(Accepted); });
    // The window opens on "E&xit", not on "&Reset", which throws the run away.
    Command1->setFocus();
    connect(Timer1, &QTimer::timeout, this, &frmDiag::Timer1_Timer);
    Form_Load();
}

void frmDiag::Form_Load()
{
    pauseonline();
    Timer1->start();
    ProgressBar1->setValue(0);
    diagstep = diagreset;
}

void frmDiag::Form_Unload()
{
    Timer1->stop();
    resumeonline();
}

void frmDiag::Command41_Click() { diagstep = diagreset; }

void frmDiag::Timer1_Timer()
{
    uint8_t timers[4]{};
    const int got = queryecu(cmd::querytimers, timers);
    if (got >= 1) Text24->setText(QString::number(timers[0]));
    setpollrate(*Timer1, got == 4, pollinterval);
    if (got < 4) {
        // A silent ECU: try again next tick, keeping the run. A port that went down: the
        // results box says why, under the last analysis, instead of showing old timers as live.
        if (takeofflineifportdead() && !Text1->toPlainText().endsWith(offlinetext()))
            Text1->appendPlainText(offlinetext());
        return;
    }
    Text2->setText(QString::number(timers[3]));

    if (diagstep >= diagsamples) {
        Text1->setPlainText(QString(stats.analysis()).replace("\r\n", "\n"));
        diagstep = 0;
        stats.reset();
    } else if (diagstep < 0) {
        diagstep = 0;
        stats.reset();
    } else if (Text38->text() == accesscode) {
        ++diagstep;
        ProgressBar1->setValue(diagstep / 10);
        sample();
    }
}

bool frmDiag::sample()
{
    using namespace diag;
    return samplequery(stats, cmd::querytemps, {cts, ats, none, tps}) &&
           samplequery(stats, cmd::queryoxygen, {none, ego1, ego2, knock}) &&
           samplequery(stats, cmd::queryswitches, {none, switches, none, none}) &&
           samplequery(stats, cmd::queryengine, {none, vss, rpm, none}) &&
           samplequery(stats, cmd::querytimers, {trig, none, none, sync});
}

} // namespace korvane
