#pragma once
#include "graphics/toolwindow.h"
#include "logging/inputtester.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QTimer;

namespace korvane {

// "Input test": the factory test of the ECU's inputs. It stops the main live loop and polls
// the ECU every 100 ms: the trigger and sync timer bytes always, and, once the access code is
// typed, 1000 samples of every input, then the analysis, then a new run by itself.
class frmDiag : public ToolWindow<frmDiag> {
    Q_OBJECT
  public:
    frmDiag();

    void Form_Load();
    void Form_Unload() override;
    // One poll: the timer bytes, then the analysis, a reset or one sample by diagstep.
    void Timer1_Timer();
    void Command41_Click(); // "&Reset"

    // The statistics of the run under way.
    const InputTester &tester() const { return stats; }

    QPushButton *Command41;
    QLabel *Label52;
    QLineEdit *Text38; // the access code
    QProgressBar *ProgressBar1;
    QPlainTextEdit *Text1; // the analysis
    QLabel *Label1, *Label2;
    QLineEdit *Text24, *Text2; // trigger and sync timer bytes
    QPushButton *Command1;     // "E&xit"
    QTimer *Timer1;

  private:
    // One sample of every input; false when an exchange failed (the readings before it count).
    bool sample();
    InputTester stats;
};

} // namespace korvane
