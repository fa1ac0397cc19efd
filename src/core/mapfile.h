#pragma once
#include <QByteArray>
#include <QString>

namespace korvane {

struct calimage;

extern QByteArray filetext; // the text of the last file read in either mode
extern QByteArray savetext; // header, line ends and spare bytes of the last current file
extern QString mapfilename; // the current map file (caption of the start-up window)
extern QString srcfilename; // the import source

// The template map file in the program folder.
QString templatefile();

// The preset name of the map file dialogs, "<folder>/*.s20": they open in the folder of the
// current map file (the program folder for the template, and before any file).
QString mapfilepattern();

// Reads the first 30552 bytes of path into text. Returns an error text when the file cannot
// be read; text is then unchanged.
QString readmapfile(const QString &path, QByteArray &text);

// Loads a map file as current (into curimage) or as source (into srcimage). The whole file
// is read and checked first; on an error text nothing changed at all. As current it then
// also sets mapfilename, savetext, the caption, modified := 0, the map sums and change flags,
// checks the lines (waiting in the invalid-file window when more than one fails) and shows
// the comments.
QString loadmapfile(const QString &path, bool ascurrent);

// Writes curimage to path atomically. On success mapfilename := path and the caption follows;
// on an error text the old file and every state are as they were. modified is not changed.
QString savemapfile(const QString &path);

// Zeroes comment characters outside 32..127 in curimage and shows the comments in Label2.
void readcomments();

// The 256-character comment of an image, lines one after the other.
QString commenttext(const calimage &image);
// Stores text, cut or padded with spaces to 256 characters, as the comment of image.
// Characters a map file cannot carry are stored as 0, as the comment display would.
void storecomments(calimage &image, const QString &text);

// Shows mapfilename as the caption of the start-up window.
void showmapfilename();

} // namespace korvane
