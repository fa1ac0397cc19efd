#pragma once
#include "editor/mapwindow.h"

#include <QDialog>
#include <QMargins>
#include <QRect>

class QAction;
class QMenu;
class QMenuBar;

namespace korvane {

struct LivePoll;

// "Floating grid": the current 3D map's grid alone, nearly full-screen, with its own 50 ms
// live loop while the main window's loop is paused. Modal; F9, "F9 float off " and "E&xit"
// close it and give the main window back its grid, buttons and loop.
class frmFloat : public QDialog, public mapwindow {
    Q_OBJECT
  public:
    frmFloat();
    ~frmFloat() override;

    void Form_Load();
    void Form_Unload();
    // One tick: offline nothing; online one phase of the live poll, then the speed label or
    // the grid colours in rotation.
    void Timer1_Timer();
    void Form_Resize();
    // The window title for curmap.
    void setmybar();

    // What the grid's key handler calls back.
    void formfunctions(int keycode, MapGrid &grid) override;
    void drawmap() override {} // the window has no drawing
    void cmdSlow_MouseDown() override;
    void cmdFast_MouseDown() override;
    QTimer *looptimer() override { return Timer1; }
    bool ismainwindow() const override { return false; }

    void Command1_MouseDown();
    void Command2_MouseDown();
    void Command3_MouseDown(); // "Copy"
    void Command5_MouseDown(); // "Reset trace"
    void Command7_MouseDown();
    void Command8_MouseDown();
    void Command9_MouseDown();
    void Command10_MouseDown();
    void Command11_MouseDown();
    void Command12_MouseDown();
    void Command13_MouseDown(int index);

    MapGrid *mapgridfloat;
    QPushButton *Command13[9] = {}; // F1, F2, F5..F9: no F3 and F4 here
    QPushButton *Command3, *Command5, *cmdSlow, *cmdFast;
    QLabel *lblTrim, *Label2;
    QTimer *Timer1;
    QMenuBar *menubar;
    QMenu *mnuFloatGrid;
    QAction *mnuExit;

  protected:
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void done(int result) override;

  private:
    void buildcontrols();
    void finishpoll(const LivePoll &poll);
    void typedentry(); // F7 and "F7 mass entry "
    void chooseload(QPushButton *selected, QPushButton *other, int16_t centre);
    bool unloaded = false;
    QRect outer;          // where the whole window, frame included, belongs
    QMargins fittedframe; // the frame outer was last fitted with
};

} // namespace korvane
