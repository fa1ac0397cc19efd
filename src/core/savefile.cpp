#include "core/savefile.h"

#include <QDir>
#include <QSaveFile>

namespace korvane {

QString writewholefile(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    const bool written = file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() &&
                         file.commit();
    if (written) return {};
    return QString("Cannot write %1: %2").arg(QDir::toNativeSeparators(path), file.errorString());
}

} // namespace korvane
