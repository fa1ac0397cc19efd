#pragma once

namespace korvane {

// One rule for every window of the program: Return presses no push button that the user did
// not choose. No button becomes a dialog's default by itself (a dialog would otherwise press
// its first button, or the last one that had the focus, on Return typed into any entry box);
// a window that wants Return to press a button says so with QPushButton::setDefault. Return on
// a button that has the focus presses that button, as Space does. Installed once at start.
void installreturnrule();

} // namespace korvane
