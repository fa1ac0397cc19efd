#include "core/editorstate.h"

namespace korvane {

uint8_t curmap = 1;
uint8_t currpm = 0;
uint8_t curload = 0;

bool groupactive = false;
uint8_t grouprect[4]{};
bool entrypending = false;
bool multierror = false;

int16_t trimstep = 1;

uint8_t vctview = 0;
int16_t vctindex = 0;
uint8_t vctspread = 0;

} // namespace korvane
