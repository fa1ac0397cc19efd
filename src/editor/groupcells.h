#pragma once

namespace korvane {

// The rectangle of the group selection: its corners in grouprect are unordered.
struct GroupCells {
    int loload, hiload, lorpm, hirpm;
    int loads() const { return hiload - loload + 1; }
    int rpms() const { return hirpm - lorpm + 1; }
    int count() const { return loads() * rpms(); }
};
GroupCells groupcells();

} // namespace korvane
