#pragma once

namespace korvane {

// Hands the main window its drawings: the floor projection, the map drawings on its graph
// picture, the instrument panel, its gauges and its buttons. Called once from main before
// the window is first used.
void linkdrawings();

} // namespace korvane
