#pragma once
#include <optional>

namespace korvane {

class mapwindow;

extern bool interpmode; // true: along load/Y; false: along rpm/X

// The straight-line target of cell (r, l) of the group between the edge values, along load
// (a = value at the lowest load, b at the highest) or along rpm (c at the lowest rpm, d at the
// highest), rounded half to even; nothing when the group is one cell deep on that axis.
std::optional<int> interptarget(bool alongload, int r, int l, float a, float b, float c, float d,
                                int loload, int hiload, int lorpm, int hirpm);

// F5/F6 on a group: holds both axes and fills the group by straight lines along load
// (mode true) or rpm in the progress window, with the window's live loop off meanwhile.
// A failed select or trim stops the run with one message. Online on maps 40..43 the written
// cells then wait for Enter.
void interpolateselection(bool mode, mapwindow &window);

} // namespace korvane
