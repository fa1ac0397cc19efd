#pragma once
#include <QDialog>
#include <array>
#include <cstdint>

class QCheckBox;
class QProgressBar;
class QTimer;

namespace korvane {

// "Migrate maps": refills the maps for the spread just stored as it loads, then runs a short
// progress bar and closes itself.
class frmMigrate : public QDialog {
    Q_OBJECT
  public:
    frmMigrate();

    void Form_Load();
    void Timer1_Timer();

    QProgressBar *ProgressBar1;
    std::array<QCheckBox *, 5> Check{}; // the map groups migrated, all ticked
    QTimer *Timer1;
    uint8_t migratetick = 0;

  protected:
    void done(int result) override;
};

} // namespace korvane
