#pragma once
#include <QString>

namespace korvane {

// The program's own folder, always ending in '/'. Default: the XDG data home + "korvane/".
QString programfolder();

// Points the program folder elsewhere (tests use a temporary folder).
void setprogramfolder(const QString &path);

// Creates the program folder if missing and copies in the files of datadir that it lacks.
// Returns an empty text on success, else one line for each file that could not be copied
// (the others are copied all the same), or why the folder could not be made.
QString prepareprogramfolder(const QString &datadir);

} // namespace korvane
