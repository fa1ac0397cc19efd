#include "core/frmwarn9.h"

#include "core/messages.h"
#include "platform/beep.h"
#include "platform/forms.h"
#include "platform/returnkey.h"
#include "platform/twips.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>

#include <algorithm>

namespace korvane {

namespace {
constexpr int designwidth = 4290, designheight = 1680; // twips
} // namespace

frmWarn9::frmWarn9() {
    setFixedSize(tw(designwidth), tw(designheight));
    // The label scrolls only when a message is taller than the screen leaves room for.
    Scroll = new QScrollArea(this);
    Scroll->setGeometry(tw(105), tw(120), tw(designwidth - 255), tw(designheight - 120));
    Scroll->setFrameShape(QFrame::NoFrame);
    Scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Scroll->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    Scroll->setBackgroundRole(QPalette::Window);
    // Where the text scrolls, its scroll bar takes the focus, so the keys scroll it too.
    Scroll->setFocusPolicy(Qt::NoFocus);
    Scroll->verticalScrollBar()->setFocusPolicy(Qt::StrongFocus);
    Label1 = new QLabel;
    Label1->setFont(QFont("Arial", 12));
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label1->resize(Scroll->size());
    Scroll->setWidget(Label1);
    Timer1 = new QTimer(this);
    Timer1->setInterval(100);
    connect(Timer1, &QTimer::timeout, this, &frmWarn9::Timer1_Timer);
    Form_Load();
    Timer1->start();
}

void frmWarn9::Form_Load() {
    // The top-left corner sits at 30 % of the screen each way, whatever the window's size.
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.left() + int(0.3 * area.width()), area.top() + int(0.3 * area.height()));
    }
    setWindowTitle(msgtitle);
    Label1->setText(msgtext);
    fitmessage();
    ticks = msgticks;
    counter = 0;
    beep();
}

void frmWarn9::fitmessage() {
    // The designed size holds the usual messages. A word that cannot wrap (a file's whole
    // path) widens the window, as far as the screen leaves room right of its corner, and more
    // lines than fit make it taller, as far as the screen leaves room below its corner; the
    // rest scrolls, so no message loses its end.
    int widest = 0;
    const QFontMetrics metrics(Label1->font());
    for (const QString &word : msgtext.split(QRegularExpression("\\s+"), Qt::SkipEmptyParts))
        widest = std::max(widest, metrics.horizontalAdvance(word) + 2);
    int roomright = widest, roombelow = QWIDGETSIZE_MAX;
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        roomright = std::min(widest, int(0.7 * screen->geometry().width()) - tw(2 * 255));
        const int titlebar = style()->pixelMetric(QStyle::PM_TitleBarHeight) + tw(120);
        roombelow = screen->availableGeometry().bottom() - y() - titlebar - tw(2 * 120);
    }
    const int areawidth = std::max(tw(designwidth - 255), roomright);
    int areaheight = std::max(tw(designheight - 120), Label1->heightForWidth(areawidth));
    int labelwidth = areawidth;
    if (areaheight > roombelow) {
        areaheight = std::max(tw(designheight - 120), roombelow);
        labelwidth -= Scroll->verticalScrollBar()->sizeHint().width();
    }
    Label1->resize(labelwidth, std::max(areaheight, Label1->heightForWidth(labelwidth)));
    Scroll->resize(areawidth, areaheight);
    setFixedSize(std::max(tw(designwidth), areawidth + tw(255)),
                 std::max(tw(designheight), Scroll->y() + areaheight + tw(120)));
}

void frmWarn9::Timer1_Timer() {
    if (ticks != untildismissed && counter >= ticks) {
        counter = 0;
        Timer1->stop();
        done(Accepted);
        return;
    }
    ++counter;
}

// With no button to press, Return is the key a tuner tries first. A held Return's repeats, and
// a key still held from before the window opened, never reach here (installreturnrule), so
// only a press meant for this window closes it.
void frmWarn9::keyPressEvent(QKeyEvent *event) {
    if (isreturnkey(*event)) return done(Accepted);
    QDialog::keyPressEvent(event);
}

// However the window closes, it is unloaded, so the next message loads it afresh with its
// counter at 0.
void frmWarn9::done(int result) {
    QDialog::done(result);
    if (forminstance<frmWarn9>() == this) unload<frmWarn9>();
}

} // namespace korvane
