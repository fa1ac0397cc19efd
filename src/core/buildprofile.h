#pragma once
#include <QString>
#include <cstdint>

namespace korvane {

// The values of this build, set once at start by setbuildprofile and only read afterwards.
// profilecolours (0x00BBGGRR): 0 start-up window and its picture, 1 start-up buttons and the
// transfer windows, 2 start-up picture text, 3..5 splash texts, 6 main window and gauge panel.
extern uint32_t profilecolours[7];
extern QString titletext;   // shown by the splash
extern QString versiontext; // shown by the version check
extern bool oldmenus;       // true hides menu entries of older builds
extern bool oldsettings;    // true shows the settings of older builds
extern uint8_t expectedfw;  // the firmware byte the ECU must report to 'c'

// Fills the build profile. Called first thing when the start-up window loads.
void setbuildprofile();

} // namespace korvane
