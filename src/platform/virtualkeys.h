#pragma once

class QKeyEvent;

namespace korvane {

// Windows virtual-key codes of the keys the program acts on.
namespace vk {
constexpr int back = 8, tab = 9, enter = 13, escape = 27, space = 32;
constexpr int pageup = 33, pagedown = 34, left = 37, up = 38, right = 39, down = 40;
constexpr int del = 46, digit0 = 48, digit9 = 57, letterV = 86;
constexpr int f1 = 112, f9 = 120;
} // namespace vk

// The virtual-key code of a key press: letters and main-keyboard digits as their upper-case
// character, the keypad digits as 96..105 (not the digits), both Enter keys as 13; 0 for a
// key the program has no code for.
int virtualkey(const QKeyEvent &event);
// The shift state as a bit mask: 1 Shift, 2 Ctrl, 4 Alt.
int shiftmask(const QKeyEvent &event);

} // namespace korvane
