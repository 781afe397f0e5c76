// The two-pixel 3-D edge around a note: its colours and the pixels of each line.
#pragma once
#include <array>
#include <cstdint>

// RGB colours, red in the low byte. Each channel moves by 48, held within 0..255.
uint32_t DarkEdgeColor(uint32_t backColor);
uint32_t LightEdgeColor(uint32_t backColor);

// A one-pixel horizontal or vertical line, both ends included.
struct EdgeLine {
    uint32_t color;
    int x1, y1, x2, y2;
};

// The eight lines of the edge of a width x height client area, in drawing order: black on the
// outer bottom/right, the background colour on the outer top/left, dark on the inner
// bottom/right, light on the inner top/left. A line whose end lies before its start is empty.
std::array<EdgeLine, 8> EdgeLines(uint32_t backColor, int width, int height);
