#pragma once
#include <cstdint>
#include <random>

namespace korvane {

class Canvas;

constexpr int splashsteps = 23;        // the last step that draws
constexpr uint32_t splashseed = 20240; // the same lines at every start

// Draws one logo segment from (x1, y1) to (x2, y2) in logo units of 48 twips, y counted up
// from the bottom edge of the start-up picture (7000 twips).
void splashline(Canvas &canvas, int x1, int y1, int x2, int y2, uint32_t colour);

// The start-up window's splash: nineteen lines of random mnemonics, the logo, the title, the
// words "on-line programmer" and the maker's line, one step a tick; then nothing more.
class Splash {
  public:
    explicit Splash(uint32_t seed = splashseed) : generator(seed) {}

    // One tick of the window's timer: the next step. The counter stops at 30001.
    void tick(Canvas &canvas);
    // Draws step 1..23; any other step draws nothing.
    void buildsplash(Canvas &canvas, int16_t step);
    // Prints one line of 31 random mnemonics at the height of step.
    void zeroesones(Canvas &canvas, int16_t step);

    int16_t counter = 0;

  private:
    float random();
    std::mt19937 generator;
};

} // namespace korvane
