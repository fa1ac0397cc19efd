#pragma once
#include <QString>

namespace korvane {

class SerialPort;

// The main window's serial port (MSComm1 of frmFuel1). The core owns it so that every sender
// reaches the same port; the main window opens and closes it through these functions.
SerialPort &mainport();

// Opens the main port (closing it first if open) on comport at 57600,n,8,1 reading one byte at a
// time. On failure the port is closed and the text names the step that failed: "an error occurred
// setting the com port number", "... baud rate or settings" or "an error occurred opening the com
// port" followed by the port's own reason.
QString openmainport();
// The same on the device the main port was last opened on, whatever comport says now: the ECU
// the program is online with.
QString reopenmainport();
// Closes the main port if it is open.
void closemainport();

} // namespace korvane
