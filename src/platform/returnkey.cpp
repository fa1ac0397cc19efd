#include "platform/returnkey.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>
#include <algorithm>
#include <map>

namespace korvane {

bool isreturnkey(const QKeyEvent &key) {
    const bool plain = key.modifiers() == Qt::NoModifier ||
                       (key.modifiers() == Qt::KeypadModifier && key.key() == Qt::Key_Enter);
    return plain && (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter);
}

namespace {
// The options that exclude one another with this one: its button group, or else the
// auto-exclusive buttons beside it.
QList<QAbstractButton *> optiongroup(QAbstractButton &option) {
    if (option.group()) return option.group()->buttons();
    QList<QAbstractButton *> group;
    if (!option.autoExclusive() || !option.parentWidget()) return group;
    for (QAbstractButton *b :
         option.parentWidget()->findChildren<QAbstractButton *>(Qt::FindDirectChildrenOnly))
        if (b->autoExclusive() && b->isCheckable() && !b->group()) group.push_back(b);
    return group;
}

// Tab and a window's first focus reach an option group at its chosen option, so a reflex
// Space or arrow starts from what is chosen; with nothing chosen every option takes Tab.
void tabtochosen(QAbstractButton &option) {
    const QList<QAbstractButton *> group = optiongroup(option);
    const auto chosen = std::find_if(group.begin(), group.end(), [](QAbstractButton *b) {
        return b->isChecked() && b->isEnabled();
    });
    for (QAbstractButton *b : group) {
        const Qt::FocusPolicy policy = b->focusPolicy();
        const bool tab = chosen == group.end() || b == *chosen;
        b->setFocusPolicy(Qt::FocusPolicy(tab ? policy | Qt::TabFocus : policy & ~Qt::TabFocus));
    }
}

// Which window each held key belongs to: the one that got its first press. A repeat acts
// there and nowhere else; once it reaches another window, or its own window hides, the rest of
// the hold does nothing until the key is released and pressed again.
class KeyHolds {
  public:
    enum Verdict { own, repeat, foreign };

    Verdict take(const QKeyEvent &key, QWidget *window) {
        Hold &hold = holds[key.nativeScanCode() ? -int(key.nativeScanCode()) : key.key()];
        if (key.type() == QEvent::KeyRelease) {
            hold.releasedat = key.timestamp();
            return hold.window == window ? own : foreign;
        }
        // The window system does not always mark a repeat: it may send each as a release and
        // a press at the very same time, which no hand does.
        if (!key.isAutoRepeat() && (key.timestamp() == 0 || key.timestamp() != hold.releasedat)) {
            hold.window = window->isVisible() ? window : nullptr;
            return own;
        }
        if (hold.window == window) return repeat;
        hold.window = nullptr;
        return foreign;
    }
    void hidden(QObject *window) {
        for (auto &[key, hold] : holds)
            if (hold.window == window) hold.window = nullptr;
    }

  private:
    struct Hold {
        QPointer<QWidget> window;
        quint64 releasedat = 0;
    };
    std::map<int, Hold> holds; // by the key's scan code, or its code where it has none
};

class ReturnRule : public QObject {
  public:
    using QObject::QObject;
    bool eventFilter(QObject *watched, QEvent *event) override {
        const QEvent::Type type = event->type();
        if (type == QEvent::Polish) polish(watched);
        if (type == QEvent::Hide) holds.hidden(watched);
        if (type != QEvent::KeyPress && type != QEvent::KeyRelease &&
            type != QEvent::ShortcutOverride)
            return false;
        // Judged where a key meets a widget: the widget with the focus is asked whether it
        // takes the key before any shortcut does, and then given it.
        auto *widget = qobject_cast<QWidget *>(watched);
        if (!widget) return false;
        auto &key = static_cast<QKeyEvent &>(*event);
        const KeyHolds::Verdict verdict = holds.take(key, widget->window());
        if (verdict == KeyHolds::foreign) {
            key.accept(); // a shortcut override taken: no shortcut fires
            return true;
        }
        if (type != QEvent::KeyPress || !isreturnkey(key)) return false;
        // A held Return confirms nothing: its repeats press no button, answer no question and,
        // on a map grid, send no cell again, even in its own window.
        if (verdict == KeyHolds::repeat) return true;
        auto *button = qobject_cast<QPushButton *>(watched);
        if (!button) return false;
        if (button->isEnabled()) button->click();
        return true;
    }

  private:
    KeyHolds holds;

    // Every button is polished before it is first shown, before its dialog looks for a
    // button to make its default; an explicit default set by the window is kept.
    static void polish(QObject *watched) {
        if (auto *button = qobject_cast<QPushButton *>(watched)) button->setAutoDefault(false);
        auto *option = qobject_cast<QAbstractButton *>(watched);
        if (!option || !option->isCheckable() || optiongroup(*option).isEmpty()) return;
        tabtochosen(*option);
        QObject::connect(option, &QAbstractButton::toggled, option, [option](bool checked) {
            if (checked) tabtochosen(*option);
        });
    }
};
} // namespace

void installreturnrule() {
    static ReturnRule *rule = nullptr;
    if (!rule) {
        rule = new ReturnRule(qApp);
        qApp->installEventFilter(rule);
    }
}

void opennofocus(QWidget *window) {
    // Click focus keeps the window itself out of the Tab chain.
    window->setFocusPolicy(Qt::ClickFocus);
    window->setFocus();
}

} // namespace korvane
