#include "platform/beep.h"

#include <QApplication>

namespace korvane {

namespace {
int beeps = 0;
}

void beep()
{
    ++beeps;
    QApplication::beep();
}

int beepcount() { return beeps; }

} // namespace korvane
