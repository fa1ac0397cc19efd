#pragma once
#include <QString>
#include <array>
#include <cstdint>

namespace korvane {

class SerialPort;
struct TransferView;
struct calimage;

constexpr int downlinecount = 768;
// One download line: ECU address high and low byte, then 16 data bytes.
using downline = std::array<uint8_t, 18>;
using downlinetable = std::array<downline, downlinecount>;
extern downlinetable downlines;

// Lays image out as the 768 lines, block 1 (0x1000..) then block 2 (0x4000..); afrmap column
// 50 is not sent. Fails with a text, lines unchanged, when an element does not fit its bytes
// (a fuel cell outside 0..65535, any other element outside 0..255).
QString builddownload(const calimage &image, downlinetable &lines);

// The ways a download ends.
enum class DownloadEnd {
    noreply,     // nothing came back to 'B' or 'V'
    startprompt, // 'V' was answered, but not with 0xBB
    lineprompt,  // a line prompt 'f' got no reply or not 0x11
    lineend,     // the last byte of a line got no reply
    error,       // the port would not open or the image does not fit its bytes
    complete
};

// Writes curimage into the ECU over port: 'B' and the head of writeseq, 'V', the 768 lines,
// the closing 'f' and zero bytes, with the pauses the ECU needs. Opens the port when it is
// closed and closes it on every way out; stops at the first failure and sends nothing more.
// failedline is the line it stopped at; reason, after a failure, why when it is known (the
// port's own reason, the value that does not fit). On success mapsums match the ECU again; no
// flag changes.
DownloadEnd downloadecu(SerialPort &port, const TransferView &view, int *failedline = nullptr,
                        QString *reason = nullptr);

// The download window's status text for an end state, followed by the reason when there is one.
QString downloadendtext(DownloadEnd end, const QString &reason = {});

} // namespace korvane
