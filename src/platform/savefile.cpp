#include "platform/savefile.h"

#include <QDir>
#include <QFile>

namespace korvane {

WholeFile::WholeFile(const QString &path) : path(path), file(path) {
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
    if (!failed && file.error() == QFileDevice::NoError && file.flush() && file.commit()) return {};
    QString reason = file.errorString();
    if (file.isOpen()) file.cancelWriting();
    if (reason.isEmpty()) reason = "the file was not written whole";
    return QString("Cannot write %1: %2").arg(QDir::toNativeSeparators(path), reason);
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
    if (!in.isOpen() || in.error() != QFileDevice::NoError)
        return QString("Cannot read %1: %2")
            .arg(QDir::toNativeSeparators(source), in.errorString());
    return writewholefile(destination, bytes);
}

} // namespace korvane
