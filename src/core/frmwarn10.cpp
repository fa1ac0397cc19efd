#include "core/frmwarn10.h"

#include "platform/twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QTimer>

namespace korvane {

int32_t waitcount = 0;

frmWarn10::frmWarn10() {
    setWindowTitle("Working invalid file");
    setModal(true);
    setFixedSize(tw(6000), tw(3000));

    Label2 = new QLabel(this);
    Label2->setGeometry(tw(240), tw(240), tw(5520), tw(1300));
    Label2->setWordWrap(true);
    Label2->setText("The file being opened was saved in an older version of this program, or was "
                    "altered by a third-party program. Please wait while the file is updated. "
                    "This could take several minutes.");

    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setGeometry(tw(240), tw(1700), tw(5520), tw(360));
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);

    Text1 = new QLineEdit(this);
    Text1->setGeometry(tw(240), tw(2240), tw(1800), tw(330));

    waitcount = 0;
    Timer1 = new QTimer(this);
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &frmWarn10::Timer1_Timer);
    Timer1->start();
}

void frmWarn10::Timer1_Timer() {
    ++waitcount;
    if (waitcount < 100) {
        ProgressBar1->setValue(waitcount);
        if (Text1->text() == "brantopewelk") waitcount = 100;
    } else if (waitcount > 100) {
        Timer1->stop();
        accept();
    }
}

} // namespace korvane
