#pragma once
#include "platform/canvas.h"

#include <vector>

namespace korvane {

// A canvas that draws nothing and keeps every primitive, in order, for tests to examine.
class RecordingCanvas : public Canvas {
  public:
    std::vector<Drawn> drawn;

  protected:
    void draw(const Drawn &primitive) override { drawn.push_back(primitive); }
};

} // namespace korvane
