#pragma once
#include <QPointer>
#include <QWidget>

namespace korvane {

// Every window class has one global instance, created on first use and loaded afresh after
// it was unloaded.
template <class T> QPointer<T> &forminstance()
{
    static QPointer<T> instance;
    return instance;
}

template <class T> T *form()
{
    QPointer<T> &instance = forminstance<T>();
    if (!instance) instance = new T();
    return instance.data();
}

// Places a window in the middle of the primary screen.
void centreonscreen(QWidget &window);

// Asks for a maximised window and first gives it the screen's available area, so that it is
// full size also where the desktop ignores the request or there is no window manager at all.
void fillscreen(QWidget &window);

// The window's frame (title bar and borders) around its client area; none until the desktop
// has framed the window.
QMargins framemargins(const QWidget &window);
// Gives the window the client area whose frame, as the window has it now, covers outer.
void setoutergeometry(QWidget &window, const QRect &outer);

template <class T> bool loaded() { return !forminstance<T>().isNull(); }

template <class T> void unload()
{
    QPointer<T> &instance = forminstance<T>();
    if (instance) {
        T *window = instance.data();
        instance.clear();
        window->hide();
        window->deleteLater();
    }
}

} // namespace korvane
