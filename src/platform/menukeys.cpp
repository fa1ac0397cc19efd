#include "platform/menukeys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenuBar>

namespace korvane {

namespace {
QMenuBar *menubarof(const QWidget *window) {
    for (QMenuBar *bar : window->findChildren<QMenuBar *>())
        if (bar->window() == window && bar->isVisible()) return bar;
    return nullptr;
}

QAction *firstmenu(const QMenuBar *bar) {
    for (QAction *action : bar->actions())
        if (action->isVisible() && action->isEnabled() && !action->isSeparator()) return action;
    return nullptr;
}

// Opens the first menu of the menu bar of the window that got the key; false when it has
// none or a menu is open already.
bool openmenubar(QObject *receiver) {
    const auto *widget = qobject_cast<QWidget *>(receiver);
    if (!widget || QApplication::activePopupWidget()) return false;
    QMenuBar *bar = menubarof(widget->window());
    QAction *first = bar ? firstmenu(bar) : nullptr;
    if (!first) return false;
    bar->setActiveAction(first);
    return true;
}

class MenuKeys : public QObject {
  public:
    using QObject::QObject;
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() != QEvent::KeyPress) return false;
        const auto &key = static_cast<const QKeyEvent &>(*event);
        // The filter sees the key once for each widget it is offered to; the first opens.
        return key.key() == Qt::Key_F10 && key.modifiers() == Qt::NoModifier &&
               !key.isAutoRepeat() && openmenubar(watched);
    }
};
} // namespace

void installmenukeys() {
    static MenuKeys *keys = nullptr;
    if (!keys) {
        keys = new MenuKeys(qApp);
        qApp->installEventFilter(keys);
    }
}

} // namespace korvane
