#include "platform/hourglass.h"

#include <QCursor>
#include <QGuiApplication>

namespace korvane {

Hourglass::Hourglass() {
    if (qGuiApp) QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

Hourglass::~Hourglass() {
    if (qGuiApp) QGuiApplication::restoreOverrideCursor();
}

} // namespace korvane
