#include "platform/returnkey.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>

namespace korvane {

namespace {
bool isreturn(const QKeyEvent &key)
{
    const bool plain = key.modifiers() == Qt::NoModifier ||
                       (key.modifiers() == Qt::KeypadModifier && key.key() == Qt::Key_Enter);
    return plain && (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter);
}

class ReturnRule : public QObject {
  public:
    using QObject::QObject;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const QEvent::Type type = event->type();
        if (type != QEvent::Polish && type != QEvent::KeyPress) return false;
        auto *button = qobject_cast<QPushButton *>(watched);
        if (!button) return false;
        // Every button is polished before it is first shown, before its dialog looks for a
        // button to make its default; an explicit default set by the window is kept.
        if (type == QEvent::Polish) {
            button->setAutoDefault(false);
            return false;
        }
        if (!isreturn(static_cast<QKeyEvent &>(*event))) return false;
        if (button->isEnabled()) button->click();
        return true;
    }
};
} // namespace

void installreturnrule()
{
    static ReturnRule *rule = nullptr;
    if (!rule) {
        rule = new ReturnRule(qApp);
        qApp->installEventFilter(rule);
    }
}

void opennofocus(QWidget *window)
{
    // Click focus keeps the window itself out of the Tab chain.
    window->setFocusPolicy(Qt::ClickFocus);
    window->setFocus();
}

} // namespace korvane
