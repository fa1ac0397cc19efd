#pragma once

class QKeyEvent;
class QWidget;

namespace korvane {

// One rule for every window of the program: Return presses no push button that the user did
// not choose. No button becomes a dialog's default by itself (a dialog would otherwise press
// its first button, or the last one that had the focus, on Return typed into any entry box);
// a window that wants Return to press a button says so with QPushButton::setDefault. Return on
// a button that has the focus presses that button, as Space does. An auto-repeated Return
// reaches nothing, so a held key answers no question it opened and a map grid sends its cell
// once; the other keys' repeats (a held PgUp steps on) reach their window.
// Any held key's repeats act only in the window that got its first press: once they reach
// another window, or that window closes, the key does nothing until it is pressed again.
// Tab and the first focus reach an option group at its chosen option. Installed once at start.
void installreturnrule();

// Return, or keypad Enter, pressed with no modifier: the key that acts wherever Return acts.
bool isreturnkey(const QKeyEvent &key);

// The window opens with the focus on itself, on no control: Return and Space press nothing
// until the tuner picks a control with Tab or the mouse, and Tab starts at the first one.
// Call before the window is first shown.
void opennofocus(QWidget *window);

} // namespace korvane
