#pragma once
#include <functional>
#include <vector>

namespace korvane {

// A cell an online edit of maps 8..43 left waiting for Enter.
struct PendingCell {
    int map = 0, rpm = 0, load = 0;
    bool operator==(const PendingCell &) const = default;
};
// The cells waiting for Enter while entrypending is set, in the order first edited: the live
// poll or F8 may move the cursor between two edits, and Enter must send both.
extern std::vector<PendingCell> pendingcells;
// An online edit of cell (rpm, load) of the current map waits for Enter.
void markpending(int rpm, int load);

// Writes cells in order by single-setting writes, calling progress(n) before the n-th. The
// first write that does not succeed stops the run: that cell and every one after it become
// the pending list and entrypending stays set, so the next Enter retries them. When all went
// out the list is empty and entrypending clear. multierror is cleared first; true when every
// cell was written.
// (cells is a copy: it may be the pending list itself.)
bool sendcells(std::vector<PendingCell> cells, const std::function<void(int)> &progress = {});

// The cells of the group rectangle of the current map, column by column.
std::vector<PendingCell> groupcelllist();

// Going offline or closing the main window while entries wait for Enter: they never reach the
// ECU, so the tuner is told (forced).
void unsententriesnotice();

} // namespace korvane
