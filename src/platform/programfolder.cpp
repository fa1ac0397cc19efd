#include "platform/programfolder.h"

#include "platform/savefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

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
    if (!QDir().mkpath(target)) return QString("Cannot create the program folder %1").arg(target);
    const QDir source(datadir);
    for (const QFileInfo &file : source.entryInfoList(QDir::Files)) {
        const QString destination = target + file.fileName();
        if (QFileInfo::exists(destination)) continue;
        if (const QString error = copywholefile(file.absoluteFilePath(), destination);
            !error.isEmpty())
            return QString("Cannot copy %1 into %2: %3").arg(file.fileName(), target, error);
        QFile::setPermissions(destination, QFile::permissions(destination) | QFile::WriteOwner);
    }
    return {};
}

} // namespace korvane
