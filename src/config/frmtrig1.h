#pragma once
#include <QDialog>
#include <array>

class QCheckBox;
class QString;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace korvane {

class PictureBox;
struct entryresult;

// "Trigger Settings": crank and sync edges and types, cylinders, sync tooth, reference angle
// and the cam-timing controllers, all in the trigger block of the image. Opened only offline:
// it never talks to the ECU and reminds the user on "&Ok" to download. Opening it changes no
// edit flag; every edit sets both.
class frmTrig1 : public QDialog {
    Q_OBJECT
  public:
    frmTrig1();

    void Form_Load();
    // Fills the sync tooth list and the type lists from the type file.
    void gettriggers();
    // Shows the trigger block; clears its unused bits 4-5.
    void initialise();

    void triggeredge_Click(int edge); // Option1, Option2, Option10
    void syncedge_Click(int edge);    // Option3, Option4, Option9
    void feedback_Click(bool multi);  // Option5, Option6
    void list_Click(QComboBox *list, int k);
    void check_Click(QCheckBox *check, int k, int bit);
    void Command24_Click(); // CYLS
    void Command6_Click();  // REF ANGLE
    void byte_Click(int index);
    void field_Click(int index);
    void Command1_Click(); // "&Ok"

    std::array<PictureBox *, 6> Picture{};      // Picture1..Picture6
    QRadioButton *Option1, *Option2, *Option10; // trigger edge
    QRadioButton *Option3, *Option4, *Option9;  // sync edge
    QRadioButton *Option5, *Option6;            // feedback
    QComboBox *Combo1, *Combo2, *Combo3;
    QLineEdit *Text24, *Text10;
    QPushButton *Command24, *Command6;
    // Whole-byte entries (offsets, gains, spreads) and the 3-bit fields, in the order of
    // bytefields and bitfields of the .cpp.
    std::array<QLineEdit *, 8> bytebox{};
    std::array<QPushButton *, 8> bytebutton{};
    std::array<QLineEdit *, 4> fieldbox{};
    std::array<QPushButton *, 4> fieldbutton{};
    QCheckBox *Check1, *Check2, *Check3, *Check4;
    QPushButton *Command1;

  protected:
    void done(int result) override;

  private:
    QGroupBox *buildedgeframe(const QString &title, int first, std::array<QRadioButton *, 3> &);
    QGroupBox *buildtypeframe();
    QGroupBox *buildvctframe();
    QGroupBox *buildvctside(const QString &title, bool intake);
    void drawpictures();
    // Stores a changed byte of the block and marks the image edited.
    static void store(int k, int value);
    // Takes the entry of box into byte k, read by entry; a refused one beeps and shows k again.
    static void takebyte(QLineEdit *box, int k, entryresult (*entry)(const QString &));
};

} // namespace korvane
