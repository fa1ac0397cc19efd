#pragma once
#include <QString>
#include <functional>

namespace korvane {

class SerialPort;

// What a transfer shows while it runs: the window's status line and progress bar. Either may be
// empty (a benchmark shows nothing).
struct TransferView {
    std::function<void(const QString &)> status;
    std::function<void(int)> progress; // 0..100; -1 hides the bar
    void setstatus(const QString &text) const {
        if (status) status(text);
    }
    void setprogress(int value) const {
        if (progress) progress(value);
    }
};

// Opens a transfer window's own port as COM portnumber at 57600,n,8,1, one byte a read, asking
// for an input buffer of inbuffersize. Returns an empty text, else why it failed (the port stays
// closed).
QString opentransferport(SerialPort &port, int portnumber, int inbuffersize);

// Waits until count bytes wait, showing the count / perpercent as progress; false when no new
// byte came for 10000 polls before that.
bool waitforcount(SerialPort &port, int count, float perpercent, const TransferView &view);

// Reads and drops waiting input, one byte a round, until none waits or limit bytes were read.
// Returns how many were read. Bounded in time too, so an ECU that keeps talking cannot hang it.
int purgeinput(SerialPort &port, int limit);

} // namespace korvane
