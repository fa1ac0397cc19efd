#pragma once
#include "graphics/toolwindow.h"

#include <QString>
#include <cstdint>

class QPushButton;
class QTimer;

namespace korvane {

class MapGrid;

// A long-term trim byte as the percent the table shows: 128 is no trim, a step is 0.5 %.
QString ltttext(uint8_t byte);

// The table cell the ECU trims now, from byte 2 of its 'Q' reply: the low nibble the load row,
// the high nibble the rpm column, each clamped to the table.
struct lttcell {
    int row;
    int column;
};
lttcell lttcurrentcell(uint8_t byte);

// "Long term fuel trim table": the ECU's 4 x 8 long-term fuel trims, polled while the main
// live loop is stopped, with a button that clears them in the ECU.
class frmLtt : public ToolWindow<frmLtt> {
    Q_OBJECT
  public:
    frmLtt();

    void Form_Load();
    void Form_Unload() override;
    // One poll of the table and the current cell; stops at the first failed exchange.
    void Timer1_Timer();
    void Command2_Click();
    void cmdCancel_Click();

    MapGrid *SCGrid1;
    QPushButton *Command2;
    QPushButton *cmdCancel;
    QTimer *Timer1;

  private:
    bool polltable();
    // The main port is down: the caption says why (offline, or the port's reason).
    void showportdown();
};

} // namespace korvane
