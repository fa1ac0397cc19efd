#pragma once
#include "platform/colour.h"

#include <cstdint>

namespace korvane {

// Colours of the map grid's cells, 0x00BBGGRR.
constexpr uint32_t cellwhite = rgbcolour(255, 255, 255);
constexpr uint32_t liveyellow = rgbcolour(255, 255, 0);
constexpr uint32_t groupgrey = rgbcolour(160, 160, 160);
constexpr uint32_t grouppending = rgbcolour(160, 208, 208); // group while an entry is typed
constexpr uint32_t knockred = rgbcolour(255, 0, 0);
constexpr uint32_t unusedgeargrey = rgbcolour(176, 176, 176);
constexpr uint32_t tableoddrow = rgbcolour(255, 240, 240);

// Halfway towards white: the cursor cell and the live cell of a whole pass.
uint32_t halftint(uint32_t colour);
// Very light: a changed cell.
uint32_t fifthtint(uint32_t colour);

// The colour of a cell of a 32 x 32 or 24 x 24 map that nothing else marks: alternate rows
// tinted, cells beyond the used rpm or load sites darker. Maps 40..42 use every cell.
uint32_t gridbasecolour(int map, int row, int column, int rpmsites, int loadsites);
// The same for a row of the 16-entry tables' grid.
uint32_t tablebasecolour(int row);

} // namespace korvane
