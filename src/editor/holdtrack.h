#pragma once
#include <cstdint>

class QLabel;
class QPushButton;

namespace korvane {

class MapGrid;

// The hold and track controls both map windows carry under the same names, and the window's
// own redraw. Command14/Command15 ("Roam grid"/"Roam map") exist on the main window only.
class holdwindow {
  public:
    virtual ~holdwindow() = default;
    virtual void drawmap() = 0;

    QPushButton *Command8 = nullptr;  // rpm/X hold
    QPushButton *Command7 = nullptr;  // rpm/X track
    QPushButton *Command1 = nullptr;  // load/Y hold
    QPushButton *Command2 = nullptr;  // load/Y track
    QPushButton *Command9 = nullptr;  // "+": held column up
    QPushButton *Command10 = nullptr; // "-": held column down
    QPushButton *Command11 = nullptr; // "Load center"
    QPushButton *Command12 = nullptr; // "Arrow center"
    QPushButton *Command14 = nullptr; // "Roam grid"
    QPushButton *Command15 = nullptr; // "Roam map"
    QLabel *Label1 = nullptr;         // the held column's axis label
};

// Colours of the rpm label: held, tracking (0x00BBGGRR).
constexpr uint32_t holdcyan = 0xFFFF00;
constexpr uint32_t trackteal = 0x808040;

// Shows the selected member of a pair in bold, the other plain.
void showpair(QPushButton *selected, QPushButton *other);

// Switch one axis between holding (the user moves the cursor) and tracking (the cursor
// follows the engine's live cell) and show it on the window's buttons.
void setxhold(holdwindow &window);
void setxtrack(holdwindow &window);
void setyhold(holdwindow &window);
void setytrack(holdwindow &window);

// The held column's label: the rpm site, or the X percent of a 24 x 24 map; tables leave it.
void showxlabel(holdwindow &window);
// Every hold, track and centring state onto the window.
void showholdtrack(holdwindow &window);
// Captions and enabled state of the hold and track controls for the current map's kind.
void setholdcaptions(holdwindow &window);

// Moves the held column one down or up within the map, tells the ECU on maps 1..7 and skips
// the next live poll once.
void xcolumndown(holdwindow &window);
void xcolumnup(holdwindow &window);

// F8: brings the held axes to the engine's live cell (tables always follow it on their entry).
void seekcell(holdwindow &window, MapGrid &grid);
// F1: toggles each axis between hold and track where the preferences allow it, else says why.
void toggleholdtrack(holdwindow &window, MapGrid &grid);
// An arrow key met a tracking axis online: holds it where the preferences allow, else says why.
void yholdonarrow(holdwindow &window, MapGrid &grid);
void xholdonarrow(holdwindow &window, MapGrid &grid);

} // namespace korvane
