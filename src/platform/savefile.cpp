#include "platform/savefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#else
#include <io.h>
#endif

namespace korvane {

namespace {
#ifdef Q_OS_UNIX
FileSync systemsync = ::fsync;
#else
FileSync systemsync = ::_commit;
#endif
FileSync filesync = systemsync;

// The file a save at path replaces: path itself, or the end of its chain of links, which
// QSaveFile follows too; empty when the chain does not end within the system's own limit (a
// loop), where QSaveFile would put a plain file in place of the link.
QString replacedfile(const QString &path) {
    constexpr int mostlinks = 40; // as the system follows them before ELOOP
    QFileInfo file(path);
    for (int links = 0; file.isSymLink(); ++links) {
        if (links == mostlinks) return {};
        file.setFile(file.symLinkTarget());
    }
    return file.filePath();
}

// Puts the folder's entry for the renamed file on the disk, where the system can sync a folder.
// The file's bytes are already there, and a failure here cannot undo the replacement: at worst
// a crash brings back the old file, whole.
void syncfolder(const QString &path) {
#ifdef Q_OS_UNIX
    const int folder =
        ::open(QFile::encodeName(QFileInfo(path).absolutePath()).constData(), O_RDONLY | O_CLOEXEC);
    if (folder < 0) return;
    filesync(folder);
    ::close(folder);
#else
    Q_UNUSED(path);
#endif
}
} // namespace

QString writtennotice(const QString &kind, const QString &path) {
    const QFileInfo file(path);
    return QString("The %1 \"%2\" was written in %3")
        .arg(kind, file.fileName(), QDir::toNativeSeparators(file.absolutePath() + '/'));
}

void setfilesync(FileSync sync) {
    filesync = sync ? sync : systemsync;
}

WholeFile::WholeFile(const QString &path) : path(path), target(replacedfile(path)), file(path) {
    if (target.isEmpty()) {
        why = qt_error_string(ELOOP);
        failed = true;
        return;
    }
    // Unbuffered: QSaveFile's commit reports success although the buffered bytes it flushed
    // at the end did not fit on the disk.
    failed = !file.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

bool WholeFile::write(const QByteArray &bytes) {
    // A disk that fills takes part of a write without a word; the next write says why.
    for (qint64 done = 0; !failed && done < bytes.size();) {
        const qint64 written = file.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0) failed = true;
        done += written;
    }
    return !failed;
}

QString WholeFile::commit() {
    if (!failed && file.error() == QFileDevice::NoError && file.flush()) {
        // QSaveFile's own commit syncs too, but ignores the result and renames all the same: a
        // disk that lost the bytes would replace the old file with nothing.
        if (filesync(file.handle()) != 0) {
            why = qt_error_string(errno);
        } else if (file.commit()) {
            syncfolder(target);
            return {};
        }
    }
    if (why.isEmpty()) why = file.errorString();
    if (file.isOpen()) file.cancelWriting();
    if (why.isEmpty()) why = "the file was not written whole";
    return QString("Cannot write %1: %2").arg(QDir::toNativeSeparators(path), why);
}

QString writewholefile(const QString &path, const QByteArray &bytes) {
    WholeFile file(path);
    file.write(bytes);
    return file.commit();
}

QString copywholefile(const QString &source, const QString &destination) {
    QFile in(source);
    QByteArray bytes;
    if (in.open(QIODevice::ReadOnly)) bytes = in.readAll();
    if (!in.isOpen() || in.error() != QFileDevice::NoError) return in.errorString();
    WholeFile out(destination);
    out.write(bytes);
    return out.commit().isEmpty() ? QString() : out.reason();
}

} // namespace korvane
