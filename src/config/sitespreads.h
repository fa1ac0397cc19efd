#pragma once
#include <array>

namespace korvane {

// Site increments of the spread pages, as numbers typed in their boxes.

// An increment of 255 ends the sites in use; the resolution steps leave it so.
constexpr int endofsites = 255;

// "less resolution": an increment below 240 to the next ten up (55 gives 70, 45 gives 50).
double lessresolution(double increment);
// "more resolution": an increment above 10 to the ten below (15 gives 10); 255 stays.
double moreresolution(double increment);
// The rpm presets of 250, 400, 500, 800 and 1000 rpm a site (index 0..4), in units of 5 rpm.
int rpmpreset(int index);
// The load presets "LOW BOOST 1", "LOW BOOST 2", "HIGH BOOST 1", "HIGH BOOST 2" (index 0..3).
std::array<int, 31> loadpreset(int index);

} // namespace korvane
