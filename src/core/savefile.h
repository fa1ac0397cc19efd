#pragma once
#include <QByteArray>
#include <QString>

namespace korvane {

// Replaces the file at path with bytes in one step: either the whole new content is there
// afterwards or the old file is untouched. Returns an empty text on success, else what went
// wrong.
QString writewholefile(const QString &path, const QByteArray &bytes);

} // namespace korvane
