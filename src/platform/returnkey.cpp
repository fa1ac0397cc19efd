#include "platform/returnkey.h"

#include "platform/mapgrid.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QKeyEvent>
#include <QPushButton>
#include <algorithm>

namespace korvane {

bool isreturnkey(const QKeyEvent &key)
{
    const bool plain = key.modifiers() == Qt::NoModifier ||
                       (key.modifiers() == Qt::KeypadModifier && key.key() == Qt::Key_Enter);
    return plain && (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter);
}

namespace {
// The options that exclude one another with this one: its button group, or else the
// auto-exclusive buttons beside it.
QList<QAbstractButton *> optiongroup(QAbstractButton &option)
{
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
void tabtochosen(QAbstractButton &option)
{
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

class ReturnRule : public QObject {
  public:
    using QObject::QObject;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const QEvent::Type type = event->type();
        if (type == QEvent::Polish) polish(watched);
        if (type != QEvent::KeyPress && type != QEvent::KeyRelease) return false;
        const auto &key = static_cast<QKeyEvent &>(*event);
        if (!watched->isWidgetType()) {
            notewindowkey(key);
            return false;
        }
        if (type != QEvent::KeyPress || !isreturnkey(key)) return false;
        // A held Return confirms nothing: its repeats press no button and answer no question,
        // wherever the focus is. Only the map grid, whose keys are the tuner's, sees them.
        if (key.isAutoRepeat() || heldreturn) return !qobject_cast<MapGrid *>(watched);
        auto *button = qobject_cast<QPushButton *>(watched);
        if (!button) return false;
        if (button->isEnabled()) button->click();
        return true;
    }

  private:
    // Every key reaches its window before its widget. The window system does not always mark
    // a repeat: it may send each as a release and a press at the very same time, which no
    // hand does.
    void notewindowkey(const QKeyEvent &key)
    {
        if (key.key() != Qt::Key_Return && key.key() != Qt::Key_Enter) {
            heldreturn = false;
        } else if (key.type() == QEvent::KeyRelease) {
            releasedat = key.timestamp();
        } else {
            heldreturn = key.isAutoRepeat() ||
                         (key.timestamp() != 0 && key.timestamp() == releasedat);
        }
    }

    bool heldreturn = false;
    quint64 releasedat = 0;

    // Every button is polished before it is first shown, before its dialog looks for a
    // button to make its default; an explicit default set by the window is kept.
    static void polish(QObject *watched)
    {
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
