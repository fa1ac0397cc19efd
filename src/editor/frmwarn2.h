#pragma once
#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;

namespace korvane {

// "Copy?" offline: the cursor's rpm-side row of the current map is copied onto every row the
// user leaves ticked.
class frmWarn2 : public QDialog {
    Q_OBJECT
  public:
    frmWarn2();

    void Form_Load();
    void cmdOk_Click();

    QLabel *Label1, *Label2;
    QCheckBox *Check1[32];
    QPushButton *cmdOk, *cmdCancel;

  protected:
    void done(int result) override;
};

} // namespace korvane
