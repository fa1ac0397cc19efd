#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>

namespace korvane {

// The trigger and sync type names offered by the trigger settings; a name's position in its
// list is the type code the ECU stores.
struct triggertypes {
    QStringList trigger;
    QStringList sync;
};

// Only this many bytes of the type file are read.
constexpr int triggerfilelimit = 1000;

// Reads the names from the type file's text: trigger names each ended by '|', one ':', sync
// names each ended by '|'. A 0 byte or the end of the first 1000 bytes ends the text; a name
// not ended by '|' is dropped, except that text between the last trigger '|' and ':' starts
// the first sync name. Every other byte, line ends included, is part of a name (8-bit text).
triggertypes parsetriggers(const QByteArray &text);

// The type file of the program folder.
QString triggerfilepath();
// The names of the type file; both lists empty when it is missing or unreadable.
triggertypes gettriggers();

} // namespace korvane
