#include "platform/workbook.h"

#include "platform/programfolder.h"
#include "platform/savefile.h"

#include <QDateTime>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <xlsxwriter.h>

#include <cerrno>
#include <cstring>

namespace korvane {

namespace {

WorkbookOpener opener;

// Runs the desktop's launcher on the file. Only its clean exit confirms that an application
// took the file: a launcher that started is not enough (it fails later when nothing handles
// .xlsx). One still running after a few seconds (it may wait for the application) confirms
// nothing either, and is left to run.
bool openwithdesktop(const QString &path)
{
    QString launcher = QStandardPaths::findExecutable("xdg-open");
    QStringList arguments{path};
    if (launcher.isEmpty()) {
        launcher = QStandardPaths::findExecutable("gio");
        arguments.prepend("open");
    }
    if (launcher.isEmpty()) return false;
    auto *process = new QProcess;
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
    process->start(launcher, arguments);
    if (!process->waitForStarted(3000)) {
        delete process;
        return false;
    }
    if (!process->waitForFinished(3000)) return false;
    return process->exitStatus() == QProcess::NormalExit && process->exitCode() == 0;
}

// A name no earlier export holds, so a workbook the user still has open is never overwritten.
QString freshname(const QString &stem)
{
    const QString base = programfolder() + stem + ' ' +
                         QDateTime::currentDateTime().toString("yyyy-MM-dd hh.mm.ss.zzz");
    QString name = base + ".xlsx";
    for (int n = 2; QFile::exists(name); ++n)
        name = base + QString(" (%1).xlsx").arg(n);
    return name;
}

lxw_error writecell(lxw_worksheet *sheet, lxw_row_t row, lxw_col_t col, const WorkbookCell &cell)
{
    if (const double *number = std::get_if<double>(&cell))
        return worksheet_write_number(sheet, row, col, *number, nullptr);
    return worksheet_write_string(sheet, row, col, std::get<QString>(cell).toUtf8().constData(),
                                  nullptr);
}

// Fills the sheet row by row; the first failure is returned.
lxw_error fillsheet(lxw_worksheet *sheet, const QStringList &header,
                    const std::vector<WorkbookRow> &rows)
{
    for (int c = 0; c < header.size(); ++c)
        if (const lxw_error e = writecell(sheet, 0, lxw_col_t(c), header[c]))
            return e;
    for (size_t r = 0; r < rows.size(); ++r)
        for (size_t c = 0; c < rows[r].size(); ++c)
            if (const lxw_error e = writecell(sheet, lxw_row_t(r + 1), lxw_col_t(c), rows[r][c]))
                return e;
    return LXW_NO_ERROR;
}

// Writes the workbook with libxlsxwriter to path; empty text or what went wrong.
QString buildworkbook(const QString &path, const QStringList &header,
                      const std::vector<WorkbookRow> &rows)
{
    lxw_workbook_options options = {};
    options.constant_memory = LXW_TRUE; // rows go out in order; a log table stays off the heap
    errno = 0; // the library's own errors do not say which write failed, errno does
    lxw_workbook *book = workbook_new_opt(QFile::encodeName(path).constData(), &options);
    if (!book) return "the workbook could not be created";
    lxw_worksheet *sheet = workbook_add_worksheet(book, nullptr);
    const lxw_error filled = sheet ? fillsheet(sheet, header, rows) : LXW_ERROR_MEMORY_MALLOC_FAILED;
    const lxw_error closed = workbook_close(book);
    if (!filled && !closed) return {};
    QString reason = QString::fromUtf8(lxw_strerror(filled ? filled : closed));
    if (errno != 0) reason += QString(" (%1)").arg(QString::fromLocal8Bit(std::strerror(errno)));
    return reason;
}

} // namespace

void setworkbookopener(WorkbookOpener newopener) { opener = std::move(newopener); }

WorkbookResult writeworkbook(const QString &stem, const QStringList &header,
                             const std::vector<WorkbookRow> &rows)
{
    WorkbookResult result;
    const QString name = freshname(stem);
    // libxlsxwriter does not say whether its file reached the disk: it writes a scratch copy,
    // and the program's own checked writer puts the workbook in place only when all of it fits.
    QTemporaryDir scratch;
    const QString built = scratch.filePath("workbook.xlsx");
    QString error = scratch.isValid() ? buildworkbook(built, header, rows)
                                      : "no temporary folder: " + scratch.errorString();
    if (error.isEmpty()) error = copywholefile(built, name);
    if (!error.isEmpty()) {
        result.error = QString("Could not write the workbook %1: %2").arg(name, error);
        return result;
    }
    result.path = name;
    result.outcome = (opener ? opener(name) : openwithdesktop(name)) ? WorkbookResult::opened
                                                                     : WorkbookResult::notopened;
    if (result.outcome == WorkbookResult::notopened)
        result.error = writtennotice("workbook", name) +
                       ", but the program could not confirm that it was opened";
    return result;
}

} // namespace korvane
