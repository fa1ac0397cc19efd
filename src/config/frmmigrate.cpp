#include "config/frmmigrate.h"

#include "config/migration.h"
#include "config/sitetables.h"
#include "platform/forms.h"
#include "platform/twips.h"

#include <QCheckBox>
#include <QProgressBar>
#include <QTimer>
#include <QVBoxLayout>

namespace korvane {

frmMigrate::frmMigrate() {
    setWindowTitle("Migrate maps");
    auto *layout = new QVBoxLayout(this);
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    layout->addWidget(ProgressBar1);
    static constexpr const char *groups[] = {"FUEL MAPS", "SPARK MAPS", "PWM MAP 9 (VCTi)",
                                             "PWM MAP 10 (VCTe)", "AFR TARGET"};
    for (int i = 0; i < 5; ++i) {
        Check[i] = new QCheckBox(groups[i], this);
        Check[i]->setFont(QFont("Times New Roman", 10));
        layout->addWidget(Check[i]);
    }
    resize(tw(4680), tw(2880));
    Timer1 = new QTimer(this);
    Timer1->setInterval(50);
    connect(Timer1, &QTimer::timeout, this, &frmMigrate::Timer1_Timer);
    Form_Load();
    Timer1->start();
}

void frmMigrate::Form_Load() {
    // Every group is migrated: the boxes say which maps the new sites refilled.
    for (QCheckBox *box : Check)
        box->setChecked(true);
    calcsitetables(0);
    migratemaps();
}

void frmMigrate::Timer1_Timer() {
    if (migratetick < 31) {
        ++migratetick;
        ProgressBar1->setValue(migratetick);
        return;
    }
    migratetick = 0;
    Timer1->stop();
    done(Accepted);
}

void frmMigrate::done(int result) {
    QDialog::done(result);
    if (forminstance<frmMigrate>() == this) unload<frmMigrate>();
}

} // namespace korvane
