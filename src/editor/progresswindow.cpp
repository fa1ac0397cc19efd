#include "editor/progresswindow.h"

#include "platform/forms.h"
#include "platform/twips.h"

#include <QCloseEvent>
#include <QProgressBar>
#include <QTimer>
#include <QVBoxLayout>

namespace korvane {

progresswindow::progresswindow(const QString &caption)
{
    setWindowTitle(caption);
    // No close box: the work must not be left half done.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(ProgressBar1);
    setFixedSize(tw(4800), tw(900));
    centreonscreen(*this);
    Timer1 = new QTimer(this);
    Timer1->setInterval(50);
    connect(Timer1, &QTimer::timeout, this, &progresswindow::Timer1_Timer);
    Timer1->start();
}

void progresswindow::Timer1_Timer()
{
    if (started) return;
    if (ticks < 5) {
        ++ticks;
        return;
    }
    started = true;
    Timer1->stop();
    formcode();
}

void progresswindow::showprogress(int value)
{
    ProgressBar1->setValue(value);
    ProgressBar1->repaint();
}

void progresswindow::finish()
{
    finished = true;
    accept();
}

void progresswindow::reject()
{
    // Esc would end the modal window under the running work.
    if (finished) QDialog::reject();
}

void progresswindow::closeEvent(QCloseEvent *event)
{
    if (finished)
        QDialog::closeEvent(event);
    else
        event->ignore();
}

} // namespace korvane
