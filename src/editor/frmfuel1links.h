#pragma once
#include <functional>

namespace korvane {

// What the main tuning window reaches in the libraries above it or in editor tools still to
// come: tool windows (each shown modally), commands, the drawings and the button state.
// main.cpp fills these before the window is first used; a menu entry whose link is not set
// stays disabled, and a start-up or redraw step whose link is not set does nothing.
struct frmfuel1links {
    // Tool windows of the menus.
    std::function<void()> settings;     // "S&ettings"
    std::function<void()> outputs;      // "O&utputs"
    std::function<void()> triggers;     // "Tri&ggers"
    std::function<void()> angle;        // "&Angle"
    std::function<void()> panel;        // "&Panel": the status lamps
    std::function<void()> floatgrid;    // "&Floating grid"
    std::function<void()> preferences;  // "Pre&ferences"
    std::function<void()> importmap;    // "Im&port map"
    std::function<void()> loadinjector; // "&Load injector response"
    std::function<void()> colours;      // "&Edit colors"
    std::function<void()> monitor;      // "&Monitor data"
    std::function<void()> logdata;      // "Log &data"
    std::function<void()> ltt;          // "L&TT table"
    std::function<void()> injectortrim; // "&Injector change trim"
    std::function<void()> resettraces;  // "&Reset traces"
    std::function<void()> inputdiag;    // "&Input diagnostic"
    std::function<void()> cranktest;    // "&Crank trigger test"

    // Commands of the menus.
    std::function<void()> switchaxes;    // "&Axes quickswitch", after the question
    std::function<void()> askvctispread; // after choosing "PWM MAP 9 / VCTi"

    // Steps of the window's start-up, redraws and close.
    std::function<void()> loadrotcartesians; // after the view angles are set
    std::function<void()> panelpicreset;     // repaint the instrument panel faces
    std::function<void()> paneldraw;         // the instrument panel's live values
    std::function<void()> threedraw32;       // drawing of a 32 x 32 map
    std::function<void()> twodraw;           // drawing of a 16-entry table
    std::function<void()> threedraw24;       // drawing of a 24 x 24 map

    // Tool buttons.
    std::function<void()> panelhold;  // "Hold": keep the panel's peaks
    std::function<void()> panelreset; // "Reset": clear the peaks
    std::function<void()> panelmode;  // "Mode": the panel's next layout
    std::function<void()> copyrows;   // "Copy": the row-copy window for this link state
};
frmfuel1links &fuel1links();

} // namespace korvane
