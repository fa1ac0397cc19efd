#include "platform/virtualkeys.h"

#include <QKeyEvent>

namespace korvane {

int virtualkey(const QKeyEvent &event)
{
    const int key = event.key();
    const bool keypad = event.modifiers() & Qt::KeypadModifier;
    if (key >= Qt::Key_0 && key <= Qt::Key_9) return keypad ? 96 + (key - Qt::Key_0) : key;
    if (key >= Qt::Key_A && key <= Qt::Key_Z) return key; // 'A'..'Z' are their codes
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return vk::f1 + (key - Qt::Key_F1);
    switch (key) {
    case Qt::Key_Backspace: return vk::back;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return vk::tab;
    case Qt::Key_Return:
    case Qt::Key_Enter: return vk::enter;
    case Qt::Key_Escape: return vk::escape;
    case Qt::Key_Space: return vk::space;
    case Qt::Key_PageUp: return vk::pageup;
    case Qt::Key_PageDown: return vk::pagedown;
    case Qt::Key_Left: return vk::left;
    case Qt::Key_Up: return vk::up;
    case Qt::Key_Right: return vk::right;
    case Qt::Key_Down: return vk::down;
    case Qt::Key_Delete: return vk::del;
    default: return 0;
    }
}

int shiftmask(const QKeyEvent &event)
{
    const Qt::KeyboardModifiers m = event.modifiers();
    return (m & Qt::ShiftModifier ? 1 : 0) | (m & Qt::ControlModifier ? 2 : 0) |
           (m & Qt::AltModifier ? 4 : 0);
}

} // namespace korvane
