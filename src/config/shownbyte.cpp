#include "config/shownbyte.h"

#include <QLineEdit>
#include <QVariant>

namespace korvane {

namespace {
constexpr char showntext[] = "showntext", shownvalue[] = "shownbyte";
} // namespace

void showbyte(QLineEdit *field, const QString &text, int byte) {
    field->setText(text);
    field->setProperty(showntext, field->text());
    field->setProperty(shownvalue, byte);
}

std::optional<int> keptbyte(const QLineEdit *field) {
    const QVariant text = field->property(showntext);
    if (!text.isValid() || field->text() != text.toString()) return std::nullopt;
    return field->property(shownvalue).toInt();
}

std::optional<int> entrybyte(const entryresult &entry) {
    return entry.ok ? std::optional<int>(entry.byte) : std::nullopt;
}

std::optional<int> fieldbyte(const QLineEdit *field,
                             const std::function<std::optional<int>(const QString &)> &read) {
    if (const std::optional<int> byte = keptbyte(field)) return byte;
    return read(field->text());
}

} // namespace korvane
