#include "platform/programfolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
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

// Copies source to destination whole or not at all. Unbuffered, so a refused write is seen
// with the system's reason ("No space left on device"). Empty text on success, else why not.
QString copywhole(const QString &source, const QString &destination)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly)) return in.errorString();
    const QByteArray bytes = in.readAll();
    if (in.error() != QFileDevice::NoError) return in.errorString();
    QSaveFile out(destination);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return out.errorString();
    // A write the disk cuts short is followed by one more, which then fails with the reason.
    for (qint64 written = 0; written < bytes.size();) {
        const qint64 now = out.write(bytes.constData() + written, bytes.size() - written);
        if (now <= 0) {
            const QString reason = out.errorString();
            out.cancelWriting();
            return reason;
        }
        written += now;
    }
    return out.commit() ? QString() : out.errorString();
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
    // failure is told with its reason.
    QStringList failures;
    const QDir source(datadir);
    for (const QFileInfo &file : source.entryInfoList(QDir::Files)) {
        const QString destination = target + file.fileName();
        if (QFileInfo::exists(destination)) continue;
        if (const QString reason = copywhole(file.absoluteFilePath(), destination);
            !reason.isEmpty()) {
            failures += QString("Cannot copy %1 into %2: %3").arg(file.fileName(), target, reason);
            continue;
        }
        QFile::setPermissions(destination, QFile::permissions(destination) | QFile::WriteOwner);
    }
    return failures.join('\n');
}

} // namespace korvane
