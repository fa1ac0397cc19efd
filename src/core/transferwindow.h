#pragma once
#include <QString>
#include <initializer_list>

class QLabel;
class QProgressBar;
class QPushButton;
class QWidget;

namespace korvane {

struct TransferView;

// What the upload and download windows share: their colours, the COM port buttons and a status
// line and progress bar that repaint at once while a transfer keeps the event loop away.

// A word-wrapped label and a button placed in twips.
QLabel *placelabel(QWidget *parent, const QString &text, int left, int top, int width, int height);
QPushButton *placebutton(QWidget *parent, const QString &text, int left, int top, int width);
// profilecolours(1) on the window and the plain controls, 0x101010 darker on the buttons.
void painttransfer(QWidget *window, std::initializer_list<QWidget *> plain,
                   std::initializer_list<QWidget *> buttons);
// Moves comport one down (not below 1) or up (not above 15); returns "COM" & comport.
QString stepcomport(int delta);
// "COM" and the port number.
QString comlabel(int port);
// Shows a transfer's status and progress on label and bar, painted as they change.
TransferView viewon(QLabel *label, QProgressBar *bar);

} // namespace korvane
