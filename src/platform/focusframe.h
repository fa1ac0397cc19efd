#pragma once

namespace korvane {

// Every window shows which control has the focus, however it got it: a window that opens on
// a button shows the frame there at once, not only after the first Tab, and the frame is a
// dotted line in the control's own text colour, plain on any background. Installed once at
// start, before the first window is built.
void installfocusframe();

} // namespace korvane
