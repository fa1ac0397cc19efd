#pragma once
#include "graphics/toolwindow.h"

class QPushButton;
class QScrollBar;

namespace korvane {

// "Viewing angle": two scroll bars that turn and tilt the 3D map view while it redraws. The
// angles last for this run only.
class frmAngle : public ToolWindow<frmAngle> {
    Q_OBJECT
  public:
    frmAngle();

    void Form_Load();
    void HScroll1_Change(int value);
    void VScroll1_Change(int value);
    void Command1_Click();

    QScrollBar *HScroll1; // viewrot, 0..360 degrees
    QScrollBar *VScroll1; // viewtilt, 0..10
    QPushButton *Command1;
};

} // namespace korvane
