#pragma once
#include <QDialog>
#include <cstdint>

class QAction;
class QLabel;
class QMenu;
class QMenuBar;
class QPushButton;
class QScrollBar;
class QTimer;

namespace korvane {

class LogGrid;

// The PC data logger: samples 16 live channels on its own timer into a rolling view and a log
// table, reads the ECU's stored log as a report into the same table, and exports the table.
class frmLog : public QDialog {
    Q_OBJECT
  public:
    frmLog();
    ~frmLog() override;

    void Form_Load();
    void Form_Resize();
    void HScroll1_Change();
    void Command1_Click(); // "Stop"
    void Command2_Click(); // "Start"
    void Timer1_Timer();   // one sample
    void mnuHighspeed_Click();
    void mnuSave_Click();
    void mnuExit_Click();
    void mnuExcel_Click();
    void mnuExportText_Click();
    void mnuExportCsv_Click();

    QWidget *client;
    QPushButton *Command1;
    QPushButton *Command2;
    QLabel *Label1;
    QScrollBar *HScroll1;
    QLabel *Label7;
    QLabel *Label8;
    QLabel *Label3;
    QLabel *Label2;
    QTimer *Timer1;
    LogGrid *logGrid1;
    LogGrid *logGrid2;
    QMenuBar *menubar;
    QMenu *mnuLog;
    QAction *mnuHighspeed;
    QAction *mnuSave;
    QAction *mnuExit;
    QMenu *mnuExport;
    QAction *mnuExcel;
    QAction *mnuExportText;
    QAction *mnuExportCsv;

    int logrow = 1; // the next sample's number; sample n goes to row n + 1

  protected:
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void reject() override;
    void done(int result) override;

  private:
    void stoplogging(); // the timer off and the label saying so
    // The main port is down: the label says why (offline, or the port's reason) and the poll
    // slows to once a second.
    void showportdown();
    // Sizes the log table, smaller by 2000 rows at a time while it cannot be allocated.
    void sizetable();
    void writeheaders();
    // The height that shows the rolling view's headings and every one of its rows.
    int rollingviewheight() const;
    template <class T> void showexport();

    int samplecount = 0; // samples in the current second
    int lastsecond = -1; // second of the minute of the last sample
    bool paused = false; // pauseonline was called at load
};

} // namespace korvane
