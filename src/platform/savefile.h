#pragma once
#include <QByteArray>
#include <QSaveFile>
#include <QString>

namespace korvane {

// Replaces the file at path in one step with the bytes written to it: either the whole new
// content is on the disk after commit or the old file is untouched. Through a link it replaces
// the file the link leads to; links that lead round in a loop fail the commit. Writes go straight
// to the disk, never into a buffer whose failure a commit could miss, so a full disk is seen at the
// write that met it.
class WholeFile {
  public:
    explicit WholeFile(const QString &path);
    WholeFile(const WholeFile &) = delete;
    WholeFile &operator=(const WholeFile &) = delete;

    // Appends bytes; false once any write has failed (nothing more is written then).
    bool write(const QByteArray &bytes);
    // Puts the new file in place when every byte was written and synced to the disk. Returns an
    // empty text, else "Cannot write <path>: <reason>" (the old file, if any, then untouched,
    // and no temporary file left).
    QString commit();
    // After a failed commit, its reason alone ("Input/output error").
    const QString &reason() const { return why; }

  private:
    QString path;
    QString target; // the file a save through links replaces; empty when they loop
    QSaveFile file;
    bool failed = false;
    QString why;
};

// The whole of bytes as the file at path, as WholeFile writes it; empty text or the reason.
QString writewholefile(const QString &path, const QByteArray &bytes);

// A copy of the file source at destination, written as by writewholefile. Returns an empty
// text, else the reason alone: the caller names the copy.
QString copywholefile(const QString &source, const QString &destination);

// "The <kind> "<name>" was written in <folder>": where the user finds the file at path.
QString writtennotice(const QString &kind, const QString &path);

// What puts the bytes written to an open file or folder on the disk: 0, or -1 with errno set.
// The default is the system's fsync; tests install their own to make the disk fail, and
// nullptr puts the default back.
using FileSync = int (*)(int fd);
void setfilesync(FileSync sync);

} // namespace korvane
