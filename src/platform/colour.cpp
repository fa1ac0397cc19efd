#include "platform/colour.h"

namespace korvane {

QColor tocolor(uint32_t bgr) { return QColor(bgr & 255, (bgr >> 8) & 255, (bgr >> 16) & 255); }

uint32_t fromcolor(const QColor &colour)
{
    return rgbcolour(colour.red(), colour.green(), colour.blue());
}

} // namespace korvane
