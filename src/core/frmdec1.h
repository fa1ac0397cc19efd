#pragma once
#include "core/splash.h"

#include <QMainWindow>
#include <functional>

class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QTimer;

namespace korvane {

class PictureBox;

// The windows the start-up window opens live in later subsystems; main.cpp registers them
// here. A button whose window is not registered stays disabled.
struct frmdec1links {
    std::function<void()> upload;      // "&UPLOAD FROM ECU": the upload window, modal
    std::function<void()> download;    // "&DOWNLOAD TO ECU": the download window, modal
    std::function<void()> maps;        // "&MAPS": the main tuning window, modal
    std::function<void()> preferences; // Tools, Preferences: the preferences window, modal
};
frmdec1links &dec1links();

// Where the start-up window goes: centred across, one third of the free height above it,
// never above the top of the screen.
QPoint startupposition(const QRect &screen, const QSize &window);

// The start-up window: file menu over the calibration image, the ways on to the upload,
// download and main windows, and the comments of the current map file.
class frmdec1 : public QMainWindow {
    Q_OBJECT
  public:
    frmdec1();

    void Form_Load();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void mnuNew_Click();
    void mnuopen_Click();
    void mnuSave_Click();
    void mnuComments_Click();
    void mnuExit_Click();
    void mnuPreferences_Click();

    // Label2 := the comments of curimage.
    void showcomments();

    // One splash step a tick while the window is open.
    void Timer1_Timer();

    PictureBox *Picture1;
    QTimer *Timer1;
    Splash splash;
    QPushButton *Command1;
    QPushButton *Command2;
    QPushButton *Command3;
    QLabel *Label2;
    QMenu *mnuFile;
    QAction *mnuNew;
    QAction *mnuOpen;
    QAction *mnuSave;
    QAction *mnuComments;
    QAction *mnuExit;
    QMenu *mnuTools;
    QAction *mnuPreferences;

  protected:
    void closeEvent(QCloseEvent *event) override;

  private:
    // Window, buttons, label and picture in the colours of the build profile.
    void setcolours();
    void loadascurrent(const QString &path);
};

} // namespace korvane
