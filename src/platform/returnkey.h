#pragma once

class QWidget;

namespace korvane {

// One rule for every window of the program: Return presses no push button that the user did
// not choose. No button becomes a dialog's default by itself (a dialog would otherwise press
// its first button, or the last one that had the focus, on Return typed into any entry box);
// a window that wants Return to press a button says so with QPushButton::setDefault. Return on
// a button that has the focus presses that button, as Space does. Installed once at start.
void installreturnrule();

// The window opens with the focus on itself, on no control: Return and Space press nothing
// until the tuner picks a control with Tab or the mouse, and Tab starts at the first one.
// Call before the window is first shown.
void opennofocus(QWidget *window);

} // namespace korvane
