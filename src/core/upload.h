#pragma once
#include <QString>
#include <array>
#include <cstdint>

namespace korvane {

class SerialPort;
struct TransferView;
struct calimage;

// What the upload window's "&Upload" does: 1 the calibration (or the firmware signature),
// 2 the ECU's stored log. Set by whoever opens the window.
extern int uploadmode;

// The bytes of the last upload: a calibration in elements 0..12288 (block 2, block 1, the sum),
// or a stored log in 0..28671.
extern std::array<uint8_t, 28700> rxbuffer;

constexpr int uploadbytes = 12288;

// Stores the 12288 bytes of an upload (block 2 then block 1) into image. Fuel high bytes above
// 100 are stored as 100; afrmap column 50 keeps its value.
void storeupload(const uint8_t *bytes, calimage &image);

// Reads the ECU's calibration over port ('J', or 'N' when boot is set) into curimage. Opens the
// port when it is closed. On success: modified and ecudirty cleared, map sums and change marks
// rebuilt, the port closed and mapfilename the program folder's untitled.s20; returns an empty
// text. On failure returns the stage that failed ("Error opening port", "Upload prompt error",
// "Upload count byte error", "Upload CRC error") after telling the user, beeping and purging the
// input; the image, flags and file name are untouched and the port stays open for the next try
// (closed when the purge overflowed).
QString uploadecu(SerialPort &port, bool boot, const TransferView &view);

// Reads the firmware signature ('F', four bytes) and returns its text, "ECU firmware: B0,1,2,3,4",
// or "ECU firmware: no reply" when four bytes do not come within a second, or says that the port
// could not be opened. On a line out of step, four bytes that another byte follows are a late
// reply: the read fails and the line stays out of step. The port is opened for it on comport and
// closed again whatever happens.
QString readfirmwaresig(SerialPort &port);

} // namespace korvane
