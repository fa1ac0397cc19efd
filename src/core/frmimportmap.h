#pragma once
#include <QDialog>
#include <functional>

class QAction;
class QLabel;
class QMenu;
class QMenuBar;
class QPushButton;

namespace korvane {

struct calimage;

constexpr int importselections = 44; // maps 1..43 and the settings page

// What the import window shows in Label1 for selection sel (1..44); empty outside that range.
QString importlabel(int sel);

// Copies the table of selection sel from src into dst, element by element at the same
// indices: a map's cells, a table's 16 entries, map 43 without the comment, or the settings
// page (sel 44). Anything outside 1..44 copies nothing.
void copyimporttable(const calimage &src, calimage &dst, int sel);

// True when both images have the same 31 load-site and 31 rpm-site increments (ECU 0x1040
// and 0x1060 onwards; 0x105F and 0x107F are not sites).
bool samesitespreads(const calimage &a, const calimage &b);

// Copies selection sel from srcimage into curimage, marks the image edited, recomputes the
// map sums (the next online trim compares against them) and tells the user label "imported".
void importmap(const QString &label, int sel);

// The main window lives in a later library: main.cpp sets how it is redrawn after an import.
struct frmimportmaplinks {
    std::function<void()> selectmap;
};
frmimportmaplinks &importmaplinks();

// "Import map": copies single tables from a second map file, the source, whose site spreads
// match the current calibration's. Modal, offline only; unloads when it closes.
class frmImportMap : public QDialog {
    Q_OBJECT
  public:
    frmImportMap();

    void Form_Load();
    void mnuOpen_Click();
    void Command1_Click();
    void showmaplabel(int sel);

    QLabel *Label1;
    QPushButton *Command1; // "&Import"
    QPushButton *cmdSave;  // "E&xit"
    QMenuBar *menubar;
    QMenu *mnuFile, *mnuSelect;
    QAction *mnuOpen, *mnuExit;
    QAction *mnuImport[importselections + 1]; // by selection; index 0 unused

    int importsel = 1;

  protected:
    void done(int result) override;
};

} // namespace korvane
