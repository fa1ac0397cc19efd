#pragma once
#include "core/colours.h"

#include <cstdint>

namespace korvane {

class Canvas;

// An n x n surface ready to draw on the graph picture: floor and surface y of every cell
// (index i * n + j, i the rpm side), and the sites in use along each side.
struct Wireframe {
    int n;
    const int32_t *floorx, *floory, *surfacey;
    int rpmused, loadused; // 1..n

    double x(int i, int j) const { return floorx[i * n + j] + 390; }
    double y(int i, int j) const { return surfacey[i * n + j]; }
};

// Mesh segments: along the load side from (i, j) to (i, j + 1), along the rpm side from
// (i, j) to (i + 1, j).
enum class Side { load, rpm };

// Floor edge between two floor points, and a corner post from the floor up to the surface.
void flooredge(Canvas &pic, const Wireframe &w, int i1, int j1, int i2, int j2, uint32_t colour);
void post(Canvas &pic, const Wireframe &w, int i, int j, uint32_t colour);
void segment(Canvas &pic, const Wireframe &w, Side side, int i, int j, uint32_t colour);

// Every mesh segment, the load side first, in the colour colourof(side, i, j) gives, except
// the rectangle from cell (0, 0) to the live cell, which takes the highlight colour.
template <class ColourOf> void drawmesh(Canvas &pic, const Wireframe &w, ColourOf colourof);
bool inliverectangle(Side side, int i, int j);

// The live and cursor bands over the mesh, then the group, cursor and live markers. Indexes
// beyond the grid are clamped to it or left out, never used.
void drawbands(Canvas &pic, const Wireframe &w);
void drawmarkers(Canvas &pic, const Wireframe &w);

template <class ColourOf> void drawmesh(Canvas &pic, const Wireframe &w, ColourOf colourof) {
    const uint32_t highlight = colours[6];
    for (int i = 0; i < w.n; ++i)
        for (int j = 0; j + 1 < w.n; ++j)
            segment(pic, w, Side::load, i, j,
                    inliverectangle(Side::load, i, j) ? highlight : colourof(Side::load, i, j));
    for (int i = 0; i + 1 < w.n; ++i)
        for (int j = 0; j < w.n; ++j)
            segment(pic, w, Side::rpm, i, j,
                    inliverectangle(Side::rpm, i, j) ? highlight : colourof(Side::rpm, i, j));
}

} // namespace korvane
