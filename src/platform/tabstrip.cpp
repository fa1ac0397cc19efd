#include "platform/tabstrip.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleOptionTab>
#include <QStylePainter>

#include <algorithm>

namespace korvane {

namespace {
constexpr int padding = 12; // pixels beside a tab's text
} // namespace

TabStrip::TabStrip(QWidget *parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

void TabStrip::addTab(const QString &text)
{
    texts.append(text);
    if (current < 0) current = 0;
    updateGeometry();
    update();
}

void TabStrip::setCurrentIndex(int index)
{
    if (index < 0 || index >= count() || index == current) return;
    current = index;
    update();
    emit currentChanged(index);
}

int TabStrip::perrow(int width) const
{
    if (texts.isEmpty()) return 1;
    int widest = 0;
    for (const QString &text : texts)
        widest = std::max(widest, fontMetrics().horizontalAdvance(text) + 2 * padding);
    const int fits = std::clamp(width / std::max(widest, 1), 1, count());
    const int rows = (count() + fits - 1) / fits;
    return (count() + rows - 1) / rows;
}

int TabStrip::rowheight() const { return fontMetrics().height() + 10; }

int TabStrip::heightForWidth(int width) const
{
    const int each = perrow(width);
    return std::max(1, (count() + each - 1) / each) * rowheight();
}

QSize TabStrip::sizeHint() const
{
    int width = 0;
    for (const QString &text : texts) width += fontMetrics().horizontalAdvance(text) + 2 * padding;
    return {width, rowheight()};
}

QRect TabStrip::tabRect(int index) const
{
    if (index < 0 || index >= count()) return {};
    const int each = perrow(width());
    const int row = index / each, column = index % each;
    const int left = width() * column / each, right = width() * (column + 1) / each;
    return {left, row * rowheight(), right - left, rowheight()};
}

void TabStrip::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    const int each = perrow(width());
    for (int i = 0; i < count(); ++i) {
        QStyleOptionTab tab;
        tab.initFrom(this);
        tab.rect = tabRect(i);
        tab.text = texts[i];
        tab.shape = QTabBar::RoundedNorth;
        const int column = i % each;
        const bool last = column == each - 1 || i == count() - 1;
        tab.position = column == 0 ? (last ? QStyleOptionTab::OnlyOneTab
                                            : QStyleOptionTab::Beginning)
                                   : (last ? QStyleOptionTab::End : QStyleOptionTab::Middle);
        // Only the chosen tab shows as chosen, and it alone shows the keyboard focus.
        tab.state &= ~QStyle::State_HasFocus;
        if (i == current) tab.state |= QStyle::State_Selected;
        if (i == current && hasFocus()) tab.state |= QStyle::State_HasFocus;
        painter.drawControl(QStyle::CE_TabBarTab, tab);
    }
}

void TabStrip::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) return;
    for (int i = 0; i < count(); ++i)
        if (tabRect(i).contains(event->position().toPoint())) setCurrentIndex(i);
}

void TabStrip::keyPressEvent(QKeyEvent *event)
{
    const int each = perrow(width());
    switch (event->key()) {
    case Qt::Key_Left: setCurrentIndex(current - 1); break;
    case Qt::Key_Right: setCurrentIndex(current + 1); break;
    case Qt::Key_Up: setCurrentIndex(current - each); break;
    case Qt::Key_Down: setCurrentIndex(current + each); break;
    case Qt::Key_Home: setCurrentIndex(0); break;
    case Qt::Key_End: setCurrentIndex(count() - 1); break;
    default: QWidget::keyPressEvent(event); return;
    }
    event->accept();
}

} // namespace korvane
