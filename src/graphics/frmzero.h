#pragma once
#include "graphics/toolwindow.h"

#include <QString>
#include <cstdint>
#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QMenuBar;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QTimer;

namespace korvane {

class Canvas;
class PictureBox;

// 255 while the monitor shows its value in decimal, 0 in hexadecimal; kept for the whole run.
extern uint8_t mondecimal;

// One address byte typed in hexadecimal (one or two digits, blanks around allowed); nothing
// when the text is no such byte.
std::optional<uint8_t> hexbyte(const QString &text);

// The height the graph plots a monitored byte at: the byte itself unsigned, else shifted by
// 128 so that 0 sits in the middle.
int monplotvalue(uint8_t byte, bool unsignedbyte);

// The scrolling graph of the monitor: one short step per sample, restarting with a fresh grid
// every 166 samples. scale is the scroll bar's value (below 109).
class MonitorGraph {
  public:
    void mondraw(Canvas &canvas, int plotted, int scale);

  private:
    int position = 165; // the first sample starts a fresh graph
    double lasty = 3900;
};

// "Monitor data": one ECU memory byte, chosen by its address, read every 50 ms with 'b' and
// shown as a number and a scrolling graph while the main live loop is stopped.
class frmZero : public ToolWindow<frmZero> {
    Q_OBJECT
  public:
    frmZero();

    void Form_Load();
    void Form_Unload() override;
    void loadmonvars();
    // "Enter": tells the ECU the address of Text3 and Text1 ('@' handshake). False, the
    // address still pending, when a field is no hex byte (a beep, nothing sent) or the ECU did
    // not agree ("error").
    bool Command1_Click();
    void Command2_Click();
    void Combo3_Click(int index);
    void Timer1_Timer();

    QLineEdit *Text3; // address high byte, hex
    QLineEdit *Text1; // address low byte, hex
    QPushButton *Command1;
    QPushButton *Command2;
    QComboBox *Combo3;
    QRadioButton *Option1; // signed byte
    QRadioButton *Option2; // un-signed byte
    QScrollBar *VScroll1;  // graph scale
    PictureBox *picGraph;
    QLabel *Label1; // the value, "error", or why the main port is down
    QMenuBar *menubar;
    QTimer *Timer1;

  private:
    // What a tick does with a pending address: as Enter, but a field that is no hex byte
    // (still being typed) only waits.
    bool sendaddress();
    // After a failed exchange: "error", or why the main port is down.
    void showerror();

    bool addresspending = false;
    MonitorGraph graph;
};

} // namespace korvane
