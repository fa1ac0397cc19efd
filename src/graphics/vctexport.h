#pragma once
#include "platform/workbook.h"

#include <cstdint>

namespace korvane {

constexpr int vctsamples = 1000;

// The cam-timing trace: per sample k, [0][k] the engine speed / 50 (255 from 12000 rpm),
// [1][k] the VCTi1 target, [2][k] the VCTi1 feedback, [3][k] the research value.
extern uint8_t vcttrace[4][vctsamples];
// vctindex (core/editorstate.h) is the next sample to record; a cycle records 0..998 and
// then exports.

// Writes the samples recorded this cycle (0 .. vctindex - 1) under their header row to a new
// workbook and opens it, then starts the next cycle (vctindex 0) whatever happened, so the
// trace goes on. Says whether the workbook was opened, only written, or not written.
WorkbookResult exportvctexcel();

} // namespace korvane
