#include "platform/fittext.h"

#include <QFontMetrics>
#include <algorithm>

namespace korvane {

Fitted fittext(const QString &text, QFont font, int width)
{
    for (double size = std::max(font.pointSizeF(), 6.0);; size -= 1) {
        font.setPointSizeF(size);
        const QFontMetrics metrics(font);
        if (metrics.horizontalAdvance(text) <= width) return {font, text};
        if (size <= 6) return {font, metrics.elidedText(text, Qt::ElideRight, width)};
    }
}

void setwrappedtext(QLabel &label, const QString &text, const QFont &face)
{
    QFont font = face;
    const QRect box(0, 0, std::max(1, label.width()), 100000);
    for (double size = std::max(face.pointSizeF(), 6.0);; size -= 1) {
        font.setPointSizeF(size);
        const int needed = QFontMetrics(font).boundingRect(box, Qt::TextWordWrap, text).height();
        if (needed <= label.height() || size <= 6) break;
    }
    label.setFont(font);
    label.setText(text);
}

FitLabel::FitLabel(const QString &text, const QFont &face, QWidget *parent)
    : QLabel(parent), whole(text), face(face)
{
    setFont(face);
    QLabel::setText(text);
}

void FitLabel::setText(const QString &text)
{
    whole = text;
    refit();
}

void FitLabel::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    refit();
}

void FitLabel::refit()
{
    const Fitted fitted = fittext(whole, face, std::max(1, width() - 2 * margin()));
    setFont(fitted.font);
    QLabel::setText(fitted.shown);
    setToolTip(fitted.shown == whole ? QString() : whole);
}

} // namespace korvane
