#include "core/prefs.h"

#include "platform/programfolder.h"
#include "platform/savefile.h"

#include <QFile>

namespace korvane {

int16_t prefs[21]{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1};

namespace {
constexpr int comportslot = 11;
constexpr char yes = 'T', no = 'F';
// The file holds the port as one digit, "1" to "5", the ports the preferences window offers.
// A higher port chosen in a transfer window lasts for the session and is saved as "1".
constexpr int lowestport = 1, highestport = 5;

std::function<void()> &savedhook()
{
    static std::function<void()> hook;
    return hook;
}
} // namespace

QString preferencesfile() { return programfolder() + "preferences.dat"; }

QByteArray encodepreferences()
{
    QByteArray bytes(prefsbytes, no);
    for (int i = 0; i < prefsbytes; ++i)
        if (i != comportslot && prefs[i] == prefon) bytes[i] = yes;
    const bool valid = comport >= lowestport && comport <= highestport;
    bytes[comportslot] = char('0' + (valid ? comport : lowestport));
    return bytes;
}

void decodepreferences(const QByteArray &bytes)
{
    auto byteat = [&bytes](int i) { return i < bytes.size() ? uint8_t(bytes[i]) : uint8_t(0); };
    for (int i = 0; i < prefsbytes; ++i)
        if (i != comportslot) prefs[i] = byteat(i) > uint8_t(no) ? prefon : prefoff;
    const int port = byteat(comportslot) - '0';
    comport = int16_t(port >= lowestport && port <= highestport ? port : lowestport);
}

void loadpreferences()
{
    QFile file(preferencesfile());
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly)) bytes = file.read(prefsbytes);
    decodepreferences(bytes);
}

QString savepreferences()
{
    const QString error = writewholefile(preferencesfile(), encodepreferences());
    // The slots in memory changed whether or not the file could be written; the labels and
    // the map follow them.
    if (savedhook()) savedhook()();
    return error;
}

void setpreferencessavedhook(std::function<void()> hook) { savedhook() = std::move(hook); }

} // namespace korvane
