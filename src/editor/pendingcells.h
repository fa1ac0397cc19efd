#pragma once
#include <QString>

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

// Writes cells in order by single-setting writes, calling progress(n) before the n-th. A cell
// the ECU refuses is dropped for good (the PC keeps its value) and the run goes on; the first
// write that fails on the line stops it, and that cell and every one after it become the
// pending list (unless keepfailed is false), so the next Enter retries them. The refused and
// the unsent cells are reported by name. multierror is cleared first; true when every cell
// was written. (cells is a copy: it may be the pending list itself.)
bool sendcells(std::vector<PendingCell> cells, const std::function<void(int)> &progress = {},
               bool keepfailed = true);

// The first few of cells named for the tuner by map title and grid headers, then how many more:
// "PWM MAP 10 (9% X, 22% Y), (9% X, 26% Y), AFR target (750 rpm, 560 mmHg) and 2 more".
QString celllist(const std::vector<PendingCell> &cells);

// The cells of the group rectangle of the current map, column by column.
std::vector<PendingCell> groupcelllist();

// Going offline or closing the main window while entries wait for Enter: they never reach the
// ECU, so the tuner is told which (forced).
void unsententriesnotice();

} // namespace korvane
