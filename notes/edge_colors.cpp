#include "notes/edge_colors.h"

static uint32_t Channel(uint32_t color, int shift) {
    return (color >> shift) & 0xFF;
}

static uint32_t ShiftChannels(uint32_t color, int delta) {
    uint32_t result = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        int value = static_cast<int>(Channel(color, shift)) + delta;
        value = value < 0 ? 0 : value > 255 ? 255 : value;
        result |= static_cast<uint32_t>(value) << shift;
    }
    return result;
}

uint32_t DarkEdgeColor(uint32_t backColor) {
    return ShiftChannels(backColor, -48);
}
uint32_t LightEdgeColor(uint32_t backColor) {
    return ShiftChannels(backColor, 48);
}

std::array<EdgeLine, 8> EdgeLines(uint32_t backColor, int width, int height) {
    const int w = width, h = height;
    const uint32_t black = 0, dark = DarkEdgeColor(backColor), light = LightEdgeColor(backColor);
    return {{
        {black, w - 1, 0, w - 1, h - 2},
        {black, 0, h - 1, w - 1, h - 1},
        {backColor, 0, 0, 0, h - 2},
        {backColor, 0, 0, w - 2, 0},
        {dark, w - 2, 1, w - 2, h - 3},
        {dark, 1, h - 2, w - 2, h - 2},
        {light, 1, 1, 1, h - 3},
        {light, 1, 1, w - 3, 1},
    }};
}
