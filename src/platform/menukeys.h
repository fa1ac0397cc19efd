#pragma once

namespace korvane {

// F10 opens the first menu of the active window's menu bar, in every window of the program
// that has one; the arrow keys then move through the menus, Return chooses and Escape leaves.
// Alt pressed and released alone is the style's: where it supports it (Fusion does), Alt
// marks the first menu and the arrows or its letter open it. Installed once at start.
void installmenukeys();

} // namespace korvane
