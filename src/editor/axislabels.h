#pragma once
#include <QString>

#include <cstdint>

namespace korvane {

// The axes of the 32 x 32 maps, as the last makeaxislabels found them in curimage.
extern int16_t loadsteps[32]; // [0] = 0, [k] = load increment k
extern int16_t rpmsteps[32];  // [0] = 0, [k] = rpm increment k, in units of 5 rpm
extern uint8_t loadsites;     // load sites in use: the first k whose increment is 255, else 32
extern uint8_t rpmsites;      // rpm sites in use, the same way
extern QString loadlabels[32]; // header of load site k (grid column k)
extern QString rpmlabels[32];  // header of rpm site k (grid row k)

// The load axis counts 1 mmHg of vacuum up to atmospheric, then 0.02 psi of boost.
constexpr int atmospheric = 760;

// Header text of a load site at sum mmHg of absolute pressure (0..7905), in kPa when metric.
QString loadlabel(int sum, bool metric);

// Recomputes the six axis results from the increments in settings rows 4..7 of curimage,
// with the load labels in kPa when preference slot 0 (metric) is on. Cannot fail.
void makeaxislabels();

} // namespace korvane
