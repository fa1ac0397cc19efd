#include "core/prefs.h"

namespace korvane {

int16_t prefs[21]{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1};

} // namespace korvane
