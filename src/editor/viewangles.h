#pragma once

namespace korvane {

// View angles of the 3D drawing of the current map, in degrees.
extern double viewrot;  // rotation about the vertical axis
extern double viewtilt; // tilt towards the viewer

} // namespace korvane
