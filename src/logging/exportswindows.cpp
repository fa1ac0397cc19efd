#include "logging/exportswindows.h"

#include "core/messages.h"
#include "logging/exports.h"
#include "platform/forms.h"
#include "platform/programfolder.h"
#include "platform/prompts.h"
#include "platform/savefile.h"
#include "platform/twips.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QProgressBar>
#include <QTimer>

namespace korvane {

bool exportrunning = false;

namespace {
// A notice naming a file stays long enough to read its path.
constexpr int pathticks = 80;
} // namespace

ExportWindow::ExportWindow(const QString &caption) {
    setWindowTitle(caption);
    setFixedSize(tw(4680), tw(1200));
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setGeometry(tw(240), tw(360), tw(4200), tw(360));
    ProgressBar1->setRange(0, 100);
    Timer1 = new QTimer(this);
    Timer1->setInterval(100);
    connect(Timer1, &QTimer::timeout, this, &ExportWindow::Timer1_Timer);
    Form_Load();
    Timer1->start();
}

void ExportWindow::Form_Load() {
    ProgressBar1->setValue(0);
    exportdelay = 0;
}

void ExportWindow::Timer1_Timer() {
    if (exportdelay >= 6) return;
    if (++exportdelay != 5) return;
    Timer1->stop();
    exportrunning = true;
    if (source) runexport();
    exportrunning = false;
    unloadself();
}

void ExportWindow::closeEvent(QCloseEvent *event) {
    if (exportrunning)
        event->ignore();
    else
        QDialog::closeEvent(event);
}

void ExportWindow::reject() {
    if (!exportrunning) QDialog::reject();
}

// A window closed before its export began is gone with its timer: nothing is written later
// from a table that may be gone by then.
void ExportWindow::done(int result) {
    Timer1->stop();
    QDialog::done(result);
    unloadself();
}

void ExportWindow::showprogress(int percent) {
    ProgressBar1->setValue(percent);
    QCoreApplication::processEvents();
}

std::optional<QString> ExportWindow::askname(const QString &extension) {
    std::optional<QString> name =
        inputbox(QStringLiteral("Enter log text file name"), QStringLiteral("Log text file name"),
                 QStringLiteral("Log text file name"));
    // Cancel writes nothing; Ok with no name writes under the default name.
    if (!name) return std::nullopt;
    if (name->isEmpty()) name = QStringLiteral("logtextfilename");
    if (!validexportname(*name)) {
        showmessage(QStringLiteral("A file name without a folder is needed"),
                    QStringLiteral("Information"), 30, forced);
        return std::nullopt;
    }
    return programfolder() + *name + extension;
}

void ExportWindow::exportwritten(const QString &kind, const QString &path) {
    showmessage(writtennotice(kind, path), QStringLiteral("Information"), pathticks, forced);
}

void ExportWindow::exporterror(const QString &reason) {
    showmessage(QStringLiteral("An export error occured: ") + reason,
                QStringLiteral("System error"), 30, forced);
}

frmExportText::frmExportText() : ExportWindow(QStringLiteral("Export to text file")) {}

void frmExportText::runexport() {
    const std::optional<QString> path = askname(QStringLiteral(".txt"));
    if (!path) return;
    const QString error = exporttext(*source, *path, [this](int p) { showprogress(p); });
    if (!error.isEmpty())
        exporterror(error);
    else
        exportwritten(QStringLiteral("text file"), *path);
}

void frmExportText::unloadself() {
    unload<frmExportText>();
}

frmExportCsv::frmExportCsv() : ExportWindow(QStringLiteral("Export to csv file")) {}

void frmExportCsv::runexport() {
    const std::optional<QString> path = askname(QStringLiteral(".csv"));
    if (!path) return;
    const QString error = exportcsv(*source, *path, [this](int p) { showprogress(p); });
    if (!error.isEmpty())
        exporterror(error);
    else
        exportwritten(QStringLiteral("CSV file"), *path);
}

void frmExportCsv::unloadself() {
    unload<frmExportCsv>();
}

frmExport::frmExport() : ExportWindow(QStringLiteral("Export to Excel")) {}

void frmExport::runexport() {
    ProgressBar1->setValue(5);
    const WorkbookResult result = exportworkbook(*source, [this](int p) { showprogress(p); });
    if (result.outcome == WorkbookResult::notwritten) exporterror(result.error);
    // The file is there for the user to open: a failure to show it is no failed export.
    if (result.outcome == WorkbookResult::notopened)
        showmessage(result.error, QStringLiteral("Warning"), pathticks, forced);
    if (result.outcome == WorkbookResult::opened)
        exportwritten(QStringLiteral("workbook"), result.path);
}

void frmExport::unloadself() {
    unload<frmExport>();
}

} // namespace korvane
