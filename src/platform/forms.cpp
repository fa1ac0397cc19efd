#include "platform/forms.h"

#include <QGuiApplication>
#include <QScreen>

namespace korvane {

void centreonscreen(QWidget &window)
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->geometry();
    window.move(area.left() + (area.width() - window.width()) / 2,
                area.top() + (area.height() - window.height()) / 2);
}

void fillscreen(QWidget &window)
{
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        window.setGeometry(screen->availableGeometry());
    window.setWindowState(window.windowState() | Qt::WindowMaximized);
}

QMargins framemargins(const QWidget &window)
{
    const QRect outer = window.frameGeometry(), inner = window.geometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}

void setoutergeometry(QWidget &window, const QRect &outer)
{
    window.setGeometry(outer.marginsRemoved(framemargins(window)));
}

} // namespace korvane
