#pragma once

namespace korvane {

class mapwindow;

// The message after a group write or interpolation that failed part way.
void multicellerror(int ticks);

// PgUp/PgDn on a group: holds both axes and steps every cell of the group by the trim step,
// column by column; online on maps 1..7 each column is selected in the ECU and each cell
// trimmed at once. The first failed select or trim stops the run with one message. Online on
// maps 40..43 the group then waits for Enter. The window's live loop is off meanwhile.
void multientry(int direction, mapwindow &window);

// Enter on a group of maps 40..43 online: writes every cell in the progress window.
void multientryprogress(mapwindow &window);

} // namespace korvane
