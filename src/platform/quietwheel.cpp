#include "platform/quietwheel.h"

#include <QComboBox>
#include <QEvent>

namespace korvane {

namespace {
class WheelStop : public QObject {
  public:
    using QObject::QObject;
    bool eventFilter(QObject *, QEvent *event) override { return event->type() == QEvent::Wheel; }
};
} // namespace

void quietwheel(QComboBox *list) {
    list->installEventFilter(new WheelStop(list));
}

} // namespace korvane
