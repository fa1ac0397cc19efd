#pragma once
#include <QDialog>
#include <optional>

class QProgressBar;
class QTimer;

namespace korvane {

class LogTable;

// True while an export writes; the export and logger windows refuse to close meanwhile.
extern bool exportrunning;

// The three export windows: each opens, waits five ticks of 100 ms, runs its export once over
// source with the progress bar, and unloads itself.
class ExportWindow : public QDialog {
    Q_OBJECT
  public:
    ExportWindow(const QString &caption);

    void Form_Load();
    void Timer1_Timer();

    QTimer *Timer1;
    QProgressBar *ProgressBar1;
    int exportdelay = 0;
    const LogTable *source = nullptr; // the log table to export

  protected:
    // Writes the export; failures are told to the user here.
    virtual void runexport() = 0;
    void closeEvent(QCloseEvent *event) override;
    void reject() override;
    void done(int result) override;
    void showprogress(int percent);
    // The user's file name for a text or CSV export: nothing on Cancel or an empty answer;
    // a name holding a folder is refused and told.
    std::optional<QString> askname(const QString &extension);
    // Tells the user where the export's file (a "text file", say) was written.
    void exportwritten(const QString &kind, const QString &path);
    // Tells the user the export failed and why.
    void exporterror(const QString &reason);

  private:
    virtual void unloadself() = 0;
};

class frmExportText : public ExportWindow {
    Q_OBJECT
  public:
    frmExportText();

  protected:
    void runexport() override;

  private:
    void unloadself() override;
};

class frmExportCsv : public ExportWindow {
    Q_OBJECT
  public:
    frmExportCsv();

  protected:
    void runexport() override;

  private:
    void unloadself() override;
};

class frmExport : public ExportWindow {
    Q_OBJECT
  public:
    frmExport();

  protected:
    void runexport() override;

  private:
    void unloadself() override;
};

} // namespace korvane
