#include "config/frmsettings1.h"

#include "config/settingscatalogue.h"
#include "config/sitetables.h"
#include "core/commio.h"
#include "core/flags.h"
#include "core/linestate.h"
#include "core/pauseonline.h"
#include "platform/forms.h"
#include "platform/pollrate.h"
#include "platform/twips.h"

#include <QFont>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace korvane {

bool initialising = false;
uint8_t livetps = 0;

namespace {
constexpr uint8_t throttlequery = 0x59; // 'Y'
constexpr int pollinterval = 100;
}

frmSettings1::frmSettings1() {
    setWindowTitle("Settings");
    setFont(QFont("Arial", 8));
    TabStrip1 = new QTabWidget(this);
    TabStrip1->setUsesScrollButtons(false); // every page's tab in sight
    for (int page = 0; page < settingspages; ++page) {
        auto *tab = new QWidget;
        auto *tablayout = new QVBoxLayout(tab);
        Frame8[page] = new QGroupBox(pagecaptions[page], tab);
        tablayout->addWidget(Frame8[page]);
        TabStrip1->addTab(tab, tabcaptions[page]);
        buildpage(page);
    }
    cmdSave = new QPushButton("&Ok", this);
    connect(cmdSave, &QPushButton::clicked, this, &frmSettings1::cmdSave_Click);
    connect(TabStrip1, &QTabWidget::currentChanged, this, &frmSettings1::TabStrip1_Click);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(TabStrip1);
    layout->addWidget(cmdSave, 0, Qt::AlignRight);

    Timer1 = new QTimer(this);
    Timer1->setInterval(pollinterval);
    connect(Timer1, &QTimer::timeout, this, &frmSettings1::Timer1_Timer);
    Form_Load();
}

void frmSettings1::Form_Load() {
    // Nothing the fill does may reach the ECU; pauseonline then decides, and resumeonline puts
    // back what the main window had.
    const uint8_t livewritefound = livewrite;
    livewrite = 0;
    const QSize wanted(tw(10755), tw(7455));
    resize(wanted.expandedTo(minimumSizeHint()));
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.left() + (area.width() - width()) / 2,
             area.top() + (area.height() - height()) / 2);
    }
    initialise();
    calcsitetables(-1); // the spreads a later migration starts from
    TabStrip1->setCurrentIndex(0);
    if (online == 0) {
        Command[45]->setEnabled(false);
        Command[46]->setEnabled(false);
    }
    livewrite = livewritefound;
    pauseonline();
    Timer1->start();
}

void frmSettings1::Form_Unload() {
    Timer1->stop();
    resumeonline();
}

void frmSettings1::TabStrip1_Click() {
    // A migration is offered only right after its page stored a spread.
    Command53->setEnabled(false);
    Command24->setEnabled(false);
}

void frmSettings1::cmdSave_Click() {
    done(Accepted);
}

void frmSettings1::Timer1_Timer() {
    if (online != flagset) return;
    uint8_t reply[4];
    const int arrived = queryecu(throttlequery, reply);
    if (arrived >= 3) livetps = reply[2];
    if (arrived == 4) Text42->setText(QString::number(livetps));
    // A port that went down: the throttle field says why instead of an old reading.
    if (arrived < 4 && takeofflineifportdead()) Text42->setText(offlinetext());
    setpollrate(*Timer1, arrived == 4, pollinterval);
}

// However the window closes, it resumes the live loop and is unloaded, so the next opening
// fills it afresh.
void frmSettings1::done(int result) {
    if (!unloaded) {
        unloaded = true;
        Form_Unload();
    }
    QDialog::done(result);
    if (forminstance<frmSettings1>() == this) unload<frmSettings1>();
}

} // namespace korvane
