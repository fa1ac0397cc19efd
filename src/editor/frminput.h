#pragma once
#include "editor/looppause.h"

#include <QDialog>
#include <QPointer>

class QLabel;
class QLineEdit;

namespace korvane {

class MapGrid;

// "Manual entry": a value typed in display units for the cursor cell, or one fill value for
// every cell of the group. Enter stores it and closes; Delete empties the box. The main
// window's live loop is off while it is open and afterwards runs exactly when it ran before.
class frmInput : public QDialog {
    Q_OBJECT
  public:
    frmInput();

    void setgrid(MapGrid *grid); // the grid that gets the focus back
    void Form_Load();
    void inputentry(int x, int y);

    QLabel *Label1;
    QLineEdit *Text1;

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void done(int result) override;

  private:
    void form_Keydown(int keycode);
    QPointer<MapGrid> gridref;
    mainloophold mainloop;
};

} // namespace korvane
