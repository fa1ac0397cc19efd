#include "platform/programfolder.h"

#include "platform/savefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringList>

#include <filesystem>
#include <system_error>

namespace korvane {

namespace {
QString &folder()
{
    static QString path;
    return path;
}

QString withslash(QString path)
{
    if (!path.endsWith('/')) path += '/';
    return path;
}

} // namespace

QString programfolder()
{
    if (folder().isEmpty()) {
        const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
        folder() = withslash(withslash(data) + "korvane");
    }
    return folder();
}

void setprogramfolder(const QString &path) { folder() = withslash(path); }

QString prepareprogramfolder(const QString &datadir)
{
    const QString target = programfolder();
    std::error_code made;
    std::filesystem::create_directories(target.toStdString(), made);
    if (made || !QFileInfo(target).isDir())
        return QString("Cannot create the program folder %1: %2")
            .arg(target, QString::fromLocal8Bit(made ? made.message() : "not a folder"));
    // One file that cannot be copied must not keep the others out: each is tried, and every
    // failure is told in one sentence with its reason.
    QStringList failures;
    const QDir source(datadir);
    for (const QFileInfo &file : source.entryInfoList(QDir::Files)) {
        const QString destination = target + file.fileName();
        if (QFileInfo::exists(destination)) continue;
        if (const QString reason = copywholefile(file.absoluteFilePath(), destination);
            !reason.isEmpty()) {
            failures += QString("Cannot copy %1 into %2: %3").arg(file.fileName(), target, reason);
            continue;
        }
        QFile::setPermissions(destination, QFile::permissions(destination) | QFile::WriteOwner);
    }
    return failures.join('\n');
}

} // namespace korvane
