#pragma once

namespace korvane {

// The system beep. Counted, so tests can tell that one sounded.
void beep();
int beepcount();

} // namespace korvane
