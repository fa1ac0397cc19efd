#pragma once
#include <QLineEdit>

namespace korvane {

// A text box that hides what is typed behind one "*" a character, whatever the style's own
// mask character is.
inline void maskwithstars(QLineEdit &box) {
    box.setEchoMode(QLineEdit::Password);
    box.setStyleSheet(QStringLiteral("lineedit-password-character: 42"));
}

} // namespace korvane
