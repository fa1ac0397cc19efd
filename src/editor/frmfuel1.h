#pragma once
#include "editor/mapwindow.h"
#include "editor/selectmap.h"
#include "platform/fittext.h"

#include <QDialog>
#include <functional>

class QAction;
class QEvent;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPushButton;
class QTimer;

namespace korvane {

class MapGrid;
class PictureBox;
struct LivePoll;

// The main tuning window ("Maps"): the map grid of the current map, the map and tool menus,
// the tool buttons, the live loop timer. Opened modally from the start-up window, maximised.
class frmFuel1 : public QDialog, public mapview, public mapwindow {
    Q_OBJECT
  public:
    frmFuel1();
    ~frmFuel1() override;

    void Form_Load();
    void Form_Unload();
    // One tick of the live loop: offline it only lets edits through; online it polls one
    // phase of live data and then refreshes one display item in rotation.
    void Timer1_Timer();
    // The main port closed itself while online (the device removed, the ECU's end of the line
    // gone): goes offline as "&COM On/Off" does and says why. True when it did.
    bool droplostport();
    // Lays the window out for its size; the live loop stops while the window is too small
    // to show anything (minimised) and never restarts while a tool window has paused it.
    void Form_Resize();
    // Pixels: the least width at which every control shows whole, none covering another.
    static int leastwidth();
    // The hold, centring and roam state of the preferences onto the buttons.
    void setpreferences();

    // Shows a tool window only online (else "Tool not available offline") or only offline.
    void onlineshowform(const std::function<void()> &show);
    void offlineshowform(const std::function<void()> &show);
    void notoffline();
    void notonline();

    // Redraws the graph of the current map.
    void drawmap() override;
    // The window's colours from the build profile.
    void fuelcolor();

    // What the grid's key handler calls back.
    void formfunctions(int keycode, MapGrid &grid) override;
    QTimer *looptimer() override { return Timer1; }
    bool ismainwindow() const override { return true; }

    // Tool buttons; each acts when pressed and gives the focus back to the grid.
    void cmdSlow_MouseDown() override;
    void cmdFast_MouseDown() override;
    void Command1_MouseDown();
    void Command2_MouseDown();
    void Command3_MouseDown();
    void Command7_MouseDown();
    void Command8_MouseDown();
    void Command9_MouseDown();
    void Command10_MouseDown();
    void Command11_MouseDown();
    void Command12_MouseDown();
    void Command13_MouseDown(int index);
    void Command14_MouseDown();
    void Command15_MouseDown();

    // Menu entries.
    void mnuMainSave_Click();
    void mnuExit_Click();
    void mnuRamMapGroup_Click(int index);
    void mnuCont1_Click(int index);
    void mnuCont2_Click(int index);
    void mnuCont3_Click(int index);
    void mnuPwm2D_Click(int index);
    void mnuPwm3D_Click(int index);
    void mnuAFR_Click();
    void mnuSettings_Click();
    void mnuOutputs_Click();
    void mnuTrig_Click();
    void mnucom1_Click();
    void mnuAngle_Click();
    void mnuAxle_Click();
    void mnuFloatGrid_Click();
    void mnuPrefs_Click();
    void mnuImportMap_Click();
    void mnuLoadtemplate_Click();
    void mnuColors_Click();
    void mnuZero_Click();
    void mnuLog_Click();
    void mnuVersion_Click();
    void mnuLtt_Click();
    void mnuInjectorTrim_Click();
    void mnuSwitchAxes_Click();
    void mnuResetTraces_Click();
    void mnuInputDiag_Click();
    void mnuStepAfr_Click();
    void mnuTimertest_Click();

    // Controls.
    MapGrid *mapgrid;
    FitLabel *Label42; // link state: "offline", "online" or "error"
    FitLabel *lblMap; // title of the current map
    FitLabel *Label2; // live engine speed
    QLabel *lblTrim; // trim step in the map's unit
    QLineEdit *Text1; // hint line
    QTimer *Timer1;  // live loop
    int liveinterval = 100; // the loop's ms while the ECU answers; the cam-timing view lowers it
    QPushButton *Command13[9]; // function-key panel F1..F9
    QPushButton *Command3;     // "Copy"
    QPushButton *Command4, *Command5, *Command6; // instrument panel: "Hold", "Reset", "Mode"
    QPushButton *cmdSlow, *cmdFast;              // trim step "-" and "+"
    PictureBox *Picture3;  // instrument panel
    PictureBox *picGraph;  // map drawing
    PictureBox *picgauges; // gauge strip

    QMenuBar *menubar;
    QMenu *mnuFile, *mnuSelect, *mnuComm, *mnuView, *mnuTools;
    QMenu *mnuControl1, *mnuControl2, *mnuControl3, *mnuP2D, *mnuP3D;
    QAction *mnuMainSave, *mnuExit;
    QAction *mnuRamMapGroup[7];
    QAction *mnuCont1[8], *mnuCont2[8], *mnuCont3[8], *mnuPwm2D[8], *mnuPwm3D[3];
    QAction *mnuAFR, *mnuSettings, *mnuOutputs, *mnuTrig;
    QAction *mnucom1;
    QAction *mnuAngle, *mnuAxle, *mnuFloatGrid;
    QAction *mnuPrefs, *mnuImportMap, *mnuLoadtemplate, *mnuColors, *mnuZero, *mnuLog,
        *mnuVersion, *mnuLtt, *mnuInjectorTrim, *mnuSwitchAxes, *mnuResetTraces, *mnuInputDiag,
        *mnuStepAfr, *mnuTimertest;

    // The grid steps of a map switch (selectmap) on this window.
    void setmapaxes() override;
    void showmapvalues() override;
    void colourmapcells() override;
    void scrolltotopleft() override;
    void showstep() override;
    void setholdcaptions() override;

  protected:
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void done(int result) override;

  private:
    void buildcontrols();
    void buildtools();
    void buildmenus();
    void finishpoll(const LivePoll &poll);
    // The window follows the move offline: its offline hint, the focus on the grid.
    void wentoffline();
    void choosepreference(QPushButton *selected, QPushButton *other, int slot, int16_t value);
    bool timerheld = false; // Save or the crank test has stopped the live loop
    void placeright(QWidget *control, int W, int offset, bool onlywhenwider);
    void hookup();
    bool entrypendinggate();
    void choosemap(int map, const QString &title, bool keepcursoronline);
    // The hint line of the current map, for the link state it is edited in.
    void showmaphint();
};

} // namespace korvane
