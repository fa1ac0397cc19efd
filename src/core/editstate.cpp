#include "core/editstate.h"

namespace korvane {

int16_t curmap = 1;
uint8_t currpm = 0;
uint8_t curload = 0;
int16_t groupactive = 0;
int16_t entrypending = 0;
int16_t multierror = 0;
uint8_t floatopen = 0;

} // namespace korvane
