#include "editor/viewangles.h"

namespace korvane {

double viewrot = 45.0;
double viewtilt = 9.0;

} // namespace korvane
