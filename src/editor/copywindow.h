#pragma once
#include <QString>

class QAbstractButton;
class QDialog;
class QGridLayout;
class QPushButton;
class QLabel;
class QWidget;

namespace korvane {

// Pieces the two row-copy windows share.

// A wrapping warning label of a copy window.
QLabel *copylabel(QWidget *parent, const QString &text);
// The caption of rpm-side row i of the current map: its rpm site, or its X percent without
// a unit on the 24 x 24 maps.
QString rowcaption(int i);
// The OK and "&Cancel" buttons at row of the layout; Cancel closes the window.
void addokcancel(QDialog &window, QGridLayout &layout, int row, QPushButton *&ok,
                 QPushButton *&cancel);
// Shows the "current" label and the current row's button in red.
void markcurrent(QLabel *label, QAbstractButton *current);

} // namespace korvane
