#include "platform/focusframe.h"

#include <QApplication>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleOption>
#include <QWidget>

namespace korvane {

namespace {
// The base style's frame is a faint tint of the highlight colour, lost on a coloured button or
// window; a push button shows only a tinted outline and a scroll bar nothing at all. The frame
// is a dotted line in the control's text colour instead: inside a push button's edge, around a
// scroll bar's thumb, and wherever the base style draws its own.
class FocusFrameStyle : public QProxyStyle {
  public:
    using QProxyStyle::QProxyStyle;

    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget) const override {
        QProxyStyle::drawControl(element, option, painter, widget);
        if (element == CE_PushButton && (option->state & State_HasFocus))
            drawframe(subElementRect(SE_PushButtonFocusRect, option, widget), *option, painter,
                      widget);
    }
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                            QPainter *painter, const QWidget *widget) const override {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        if (control == CC_ScrollBar && (option->state & State_HasFocus))
            drawframe(subControlRect(control, option, SC_ScrollBarSlider, widget), *option,
                      painter, widget);
    }
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget) const override {
        if (element != PE_FrameFocusRect) {
            QProxyStyle::drawPrimitive(element, option, painter, widget);
            return;
        }
        const QPalette::ColorRole text = widget ? widget->foregroundRole() : QPalette::WindowText;
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing, false);
        painter->setPen(QPen(option->palette.color(text), 0, Qt::DotLine));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
        painter->restore();
    }

  private:
    // The frame 2 pixels inside the part of a control that shows its focus.
    void drawframe(const QRect &part, const QStyleOption &control, QPainter *painter,
                   const QWidget *widget) const {
        QStyleOptionFocusRect frame;
        frame.QStyleOption::operator=(control);
        frame.rect = part.adjusted(2, 2, -2, -2);
        drawPrimitive(PE_FrameFocusRect, &frame, painter, widget);
    }
};

// Qt marks the focus as shown only in a window where Tab or a shortcut moved it, so a window
// that opens on a control, or whose focus came by a click, would show none. Every window is
// marked as it shows: Qt clears the mark while it builds the window.
class FocusShown : public QObject {
  public:
    using QObject::QObject;
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::Show && watched->isWidgetType()) {
            auto *window = static_cast<QWidget *>(watched);
            if (window->isWindow()) window->setAttribute(Qt::WA_KeyboardFocusChange);
        }
        return false;
    }
};
} // namespace

void installfocusframe() {
    static FocusShown *shown = nullptr;
    if (shown) return;
    shown = new FocusShown(qApp);
    qApp->installEventFilter(shown);
    QApplication::setStyle(new FocusFrameStyle(QApplication::style()->name()));
}

} // namespace korvane
