#pragma once
#include "graphics/toolwindow.h"

#include <cstdint>

class QPushButton;
class QTimer;

namespace korvane {

class Canvas;
class PictureBox;

// 255 when the main live loop ran as the status lamps opened; it runs again after them only then.
extern uint8_t maintimerwason;

// One lamp of the status panel: the bit of its byte, where it sits, what it shows.
struct statuslamp {
    int bit;
    int y; // twips
    const char *label;
};

// Draws one panel of lamps for the bits of a status byte: lit red when set, grey when clear.
void drawlamps(Canvas &canvas, uint8_t bits, const statuslamp *lamps, int count);

// "Panel": the ECU's switch inputs and outputs as lamps, polled with 'Z' while the main live
// loop is stopped.
class frmAtx : public ToolWindow<frmAtx> {
    Q_OBJECT
  public:
    frmAtx();

    void Form_Load();
    void Form_Unload() override;
    // One 'Z' poll; a failed exchange leaves the lamps as they were.
    void Timer1_Timer();
    void cmdSave_Click();

    PictureBox *Picture1; // outputs (byte 3)
    PictureBox *Picture2; // input requests (byte 2)
    QPushButton *cmdSave;
    QTimer *Timer1;
};

} // namespace korvane
