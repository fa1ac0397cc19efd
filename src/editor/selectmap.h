#pragma once

namespace korvane {

// The grid and window steps of a map switch. The main tuning window implements them on its
// grid, step label and graph, and registers itself while it is open.
class mapview {
public:
    virtual ~mapview() = default;
    virtual void setmapaxes() = 0;      // blank the grid, write the current map's headers
    virtual void showmapvalues() = 0;   // write every cell value of the current map
    virtual void colourmapcells() = 0;  // a whole colouring pass
    virtual void scrolltotopleft() = 0; // show the top-left cell first, then the cursor's
    virtual void showstep() = 0;        // the step label in the current map's unit
    virtual void setholdcaptions() = 0; // hold/track captions for the map kind
    virtual void drawmap() = 0;         // redraw the graph of the current map
};

// Registers the open main window (nullptr when it closes).
void setmapview(mapview *view);

// Redraws the open main window's graph; nothing when no main window is open.
void drawmainmap();

// Switches the editor to curmap: ends any group selection, resets the cam-timing view, the
// trim step and the poll rotation, blocks edits online until the next cell query, then
// redraws the main window. With no main window open only the state is reset.
void selectmap();

} // namespace korvane
