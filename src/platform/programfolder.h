#pragma once
#include <QString>

namespace korvane {

// The program's own folder, always ending in '/'. Default: the XDG data home + "korvane/".
QString programfolder();

// Points the program folder elsewhere (tests use a temporary folder).
void setprogramfolder(const QString &path);

// Creates the program folder if missing and copies in the files of datadir that it lacks.
// Returns an empty text on success, else what went wrong.
QString prepareprogramfolder(const QString &datadir);

} // namespace korvane
