#pragma once
#include <QByteArray>
#include <QSaveFile>
#include <QString>

namespace korvane {

// Replaces the file at path in one step with the bytes written to it: either the whole new
// content is there after commit or the old file is untouched. Writes go straight to the disk,
// never into a buffer whose failure a commit could miss, so a full disk is seen at the write
// that met it.
class WholeFile {
  public:
    explicit WholeFile(const QString &path);
    WholeFile(const WholeFile &) = delete;
    WholeFile &operator=(const WholeFile &) = delete;

    // Appends bytes; false once any write has failed (nothing more is written then).
    bool write(const QByteArray &bytes);
    // Puts the new file in place when every byte was written. Returns an empty text, else
    // "Cannot write <path>: <reason>" (the old file, if any, then untouched).
    QString commit();

  private:
    QString path;
    QSaveFile file;
    bool failed = false;
};

// The whole of bytes as the file at path, as WholeFile writes it; empty text or the reason.
QString writewholefile(const QString &path, const QByteArray &bytes);

// A copy of the file source at destination, written as by writewholefile.
QString copywholefile(const QString &source, const QString &destination);

} // namespace korvane
