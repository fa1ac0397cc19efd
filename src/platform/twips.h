#pragma once

namespace korvane {

// Window geometry is kept in twips: 15 twips to a pixel at 96 dpi.
constexpr int twipsperpixel = 15;
constexpr int tw(int twips) { return twips / twipsperpixel; }
constexpr int totwips(int pixels) { return pixels * twipsperpixel; }

} // namespace korvane
