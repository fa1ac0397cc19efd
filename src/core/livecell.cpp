#include "core/livecell.h"

namespace korvane {

uint8_t liverpm = 0;
uint8_t liveload = 0;

} // namespace korvane
