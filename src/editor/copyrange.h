#pragma once

namespace korvane {

// Rows a copy writes into: true = copy the source row into this rpm-side row.
extern bool copyticks[32];

// Copies rpm-side row source of the current map (1..7, 40..43) onto every ticked row of the
// map other than itself and marks those cells changed; other maps copy nothing. Marks the
// image edited in every case. Sends nothing and repaints nothing.
void copyrange(int source);

// The "Copy" button: offline the window that copies the current row onto ticked rows;
// online the window that has the ECU copy a row up or down in its own memory, for the main
// maps 1..7 only (on maps 40..43 the copy bytes mean other commands to the ECU: refused).
void copyrows();

} // namespace korvane
