#include "core/frmwarn9.h"

#include "core/messages.h"
#include "platform/beep.h"
#include "platform/forms.h"
#include "platform/twips.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>

namespace korvane {

frmWarn9::frmWarn9()
{
    setFixedSize(tw(4290), tw(1680));
    Label1 = new QLabel(this);
    // The label reaches down to the bottom edge (1335 twips in the design) so that the
    // longest messages keep their last line with this platform's font metrics.
    Label1->setGeometry(tw(105), tw(120), tw(4035), tw(1680 - 120));
    Label1->setFont(QFont("Arial", 12));
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Timer1 = new QTimer(this);
    Timer1->setInterval(100);
    connect(Timer1, &QTimer::timeout, this, &frmWarn9::Timer1_Timer);
    Form_Load();
    Timer1->start();
}

void frmWarn9::Form_Load()
{
    // The top-left corner sits at 30 % of the screen each way, whatever the window's size.
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.left() + int(0.3 * area.width()), area.top() + int(0.3 * area.height()));
    }
    setWindowTitle(msgtitle);
    Label1->setText(msgtext);
    ticks = msgticks;
    counter = 0;
    beep();
}

void frmWarn9::Timer1_Timer()
{
    if (counter >= ticks) {
        counter = 0;
        Timer1->stop();
        done(Accepted);
        return;
    }
    ++counter;
}

// However the window closes, it is unloaded, so the next message loads it afresh with its
// counter at 0.
void frmWarn9::done(int result)
{
    QDialog::done(result);
    if (forminstance<frmWarn9>() == this) unload<frmWarn9>();
}

} // namespace korvane
