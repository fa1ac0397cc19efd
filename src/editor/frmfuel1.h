#pragma once
#include "editor/selectmap.h"

#include <QDialog>
#include <functional>

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QTimer;

namespace korvane {

class MapGrid;

// The main tuning window ("Maps"): the map grid of the current map, the map and tool menus,
// the live loop timer. Opened modally from the start-up window, maximised.
class frmFuel1 : public QDialog, public mapview {
    Q_OBJECT
  public:
    frmFuel1();
    ~frmFuel1() override;

    void Form_Load();
    void Form_Unload();
    void Timer1_Timer();

    // Shows a tool window only online (else "Tool not available offline") or only offline.
    void onlineshowform(const std::function<void()> &show);
    void offlineshowform(const std::function<void()> &show);
    void notoffline();
    void notonline();

    // Redraws the graph of the current map.
    void drawmap() override;
    // The window's colours from the build profile.
    void fuelcolor();

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
    QLabel *Label42; // link state: "offline", "online" or "error"
    QLabel *lblMap;  // title of the current map
    QLabel *Label1;  // held rpm column
    QLabel *Label2;  // live engine speed
    QLabel *lblTrim; // trim step in the map's unit
    QLineEdit *Text1; // hint line
    QTimer *Timer1;  // live loop, 100 ms

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
    void done(int result) override;

  private:
    void buildcontrols();
    void buildmenus();
    void hookup();
    bool entrypendinggate();
    void choosemap(int map, const QString &title, const QString &offlinehint, bool keepcursoronline);
};

} // namespace korvane
