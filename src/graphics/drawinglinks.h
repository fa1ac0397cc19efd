#pragma once

namespace korvane {

// Hands the main window its drawings: the floor projection and the map drawings on its
// graph picture. Called once from main before the window is first used.
void linkdrawings();

} // namespace korvane
