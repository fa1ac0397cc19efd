#pragma once
#include "graphics/toolwindow.h"

class QListWidget;
class QPushButton;

namespace korvane {

// The colours slot of each entry of the colour list, in list order.
int colourslot(int listindex);

// "Color selection": the six user colours, each chosen with the colour dialog; Save keeps
// them in colors.dat, Ok keeps them for this run only.
class frmColors : public ToolWindow<frmColors> {
    Q_OBJECT
  public:
    frmColors();

    void Form_Load();
    void List1_Click(int index);
    void cmdSave_Click();
    void Command1_Click();

    QListWidget *List1;
    QPushButton *cmdSave;
    QPushButton *Command1;

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

} // namespace korvane
