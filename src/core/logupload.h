#pragma once

namespace korvane {

class SerialPort;
struct TransferView;

constexpr int storedlogbytes = 28672; // 3584 records of 8 bytes

enum class LogUpload {
    failed, // the port, a stall or an error: rxbuffer holds no log
    badsum, // the whole log came but its sum byte does not match
    complete
};

// Reads the ECU's stored log ('L', 28672 bytes and a sum) over port into rxbuffer 0..28671.
// The main port is closed meanwhile and opened again afterwards when it was open. Anything but
// complete shows "Upload failed" and beeps. The upload port is closed on every way out.
LogUpload uploadlog(SerialPort &port, const TransferView &view);

// Opens the main port again after a transfer had it closed; a line the transfer left out of
// step stays so. When it will not open, the program goes offline and says why, so the live
// loop never runs on a closed port.
void restoremainport();

} // namespace korvane
