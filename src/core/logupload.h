#pragma once

namespace korvane {

class SerialPort;
struct TransferView;

constexpr int storedlogbytes = 28672; // 3584 records of 8 bytes

enum class LogUpload {
    notsent, // the port would not open: nothing reached the ECU
    failed,  // a stall or an error: rxbuffer holds no log
    badsum,  // the whole log came but its sum byte does not match
    complete
};

// The port the stored log comes over: online, the main port's device, the ECU the program is
// online with, whatever comport says now; offline, comport.
int storedlogport();

// Reads the ECU's stored log ('L', 28672 bytes and a sum) over port into rxbuffer 0..28671.
// port opens on storedlogport(). The main port is closed meanwhile and opened again afterwards on the same device
// when it was open. Anything but complete shows "Upload failed" and beeps. The upload port is
// closed on every way out.
LogUpload uploadlog(SerialPort &port, const TransferView &view);

} // namespace korvane
