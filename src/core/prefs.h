#pragma once
#include <QByteArray>
#include <QString>
#include <cstdint>
#include <functional>

namespace korvane {

// The user's 21 preference slots, 16-bit -1 (true) or 0 (false); slot 11 holds the COM port.
extern int16_t prefs[21];

constexpr int16_t prefon = -1;
constexpr int16_t prefoff = 0;

// Slots that the program names on their own.
inline int16_t &rpmhold = prefs[1];
inline int16_t &loadhold = prefs[2];
inline int16_t &comport = prefs[11];
inline int16_t &hidemessages = prefs[12];

constexpr int prefsbytes = 21;

// preferences.dat in the program folder.
QString preferencesfile();

// The 21 bytes of preferences.dat for the slots as they stand: "T" or "F" per yes/no slot,
// the COM port as its digit "1" to "5" (a higher port, from a transfer window, as "1").
QByteArray encodepreferences();
// Sets every slot from the bytes of preferences.dat; bytes a short file lacks count as zero,
// a port byte other than "1" to "5" as port 1.
void decodepreferences(const QByteArray &bytes);

// Reads preferences.dat into prefs. A missing, unreadable or short file gives the values of
// an all-zero file (every option off, COM port 1); nothing is reported.
void loadpreferences();
// Writes prefs to preferences.dat whole (the old file stays intact if the write fails), then
// runs the hook set by setpreferencessavedhook. Returns an empty text on success, else what
// went wrong, for the caller to tell the user.
QString savepreferences();

// What a save of the preferences refreshes afterwards: the axis labels and the current map,
// which live in the map editor. The hook must leave alone any window that is not open.
void setpreferencessavedhook(std::function<void()> hook);

} // namespace korvane
