#pragma once
#include "editor/numbertext.h"

#include <QString>
#include <functional>
#include <optional>

class QLineEdit;

namespace korvane {

// A field that shows a stored byte remembers which byte its text was written for. A display
// may round (sixteenths with one decimal, a threshold to a tenth of its unit), so the shown
// text does not always parse back to its byte: while the field still holds exactly the text
// the program wrote, it stands for that byte, and only a text the user changed is parsed. So
// entering a value again never moves it.

// Writes text into the field as the display of byte.
void showbyte(QLineEdit *field, const QString &text, int byte);
// The byte the field's text was written for; nothing once the text differs from it.
std::optional<int> keptbyte(const QLineEdit *field);
// The byte an entry stores; nothing when it was refused.
std::optional<int> entrybyte(const entryresult &entry);
// The byte the field stands for: keptbyte while the text is unchanged, else what read makes of
// the text (nothing: the entry is refused).
std::optional<int> fieldbyte(const QLineEdit *field,
                             const std::function<std::optional<int>(const QString &)> &read);

} // namespace korvane
