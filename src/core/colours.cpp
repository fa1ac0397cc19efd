#include "core/colours.h"

namespace korvane {

uint32_t colours[8]{};
uint32_t fueltrace[32][32]{};
uint32_t sparktrace[32][32]{};
uint32_t visittrace[3][32][32]{};

} // namespace korvane
