#include "notes/edge_colors.h"

#include <gtest/gtest.h>

#include <map>
#include <utility>

static uint32_t Rgb(uint32_t r, uint32_t g, uint32_t b) {
    return r | g << 8 | b << 16;
}

TEST(EdgeColors, WhiteBlackAndAMidColour) {
    EXPECT_EQ(DarkEdgeColor(Rgb(255, 255, 255)), Rgb(207, 207, 207));
    EXPECT_EQ(LightEdgeColor(Rgb(255, 255, 255)), Rgb(255, 255, 255));
    EXPECT_EQ(DarkEdgeColor(Rgb(0, 0, 0)), Rgb(0, 0, 0));
    EXPECT_EQ(LightEdgeColor(Rgb(0, 0, 0)), Rgb(48, 48, 48));
    EXPECT_EQ(DarkEdgeColor(Rgb(100, 20, 240)), Rgb(52, 0, 192));
    EXPECT_EQ(LightEdgeColor(Rgb(100, 20, 240)), Rgb(148, 68, 255));
    EXPECT_EQ(DarkEdgeColor(Rgb(0x80, 0xFF, 0xFF)), Rgb(0x50, 0xCF, 0xCF)) << "the built-in light yellow";
}

// Colours every pixel the lines cover; counts pixels covered twice.
static std::map<std::pair<int, int>, uint32_t> Paint(uint32_t back, int w, int h, int *overlaps) {
    std::map<std::pair<int, int>, uint32_t> pixels;
    *overlaps = 0;
    int family = 0;
    std::map<std::pair<int, int>, int> familyOf;
    for (const EdgeLine &line : EdgeLines(back, w, h)) {
        for (int x = line.x1; x <= line.x2; ++x)
            for (int y = line.y1; y <= line.y2; ++y) {
                auto found = familyOf.find({x, y});
                if (found != familyOf.end() && found->second != family / 2) ++*overlaps;
                familyOf[{x, y}] = family / 2;
                pixels[std::make_pair(x, y)] = line.color;
            }
        ++family;
    }
    return pixels;
}

TEST(EdgeColors, TheEightLinesCoverTheTwoOuterRingsOnce) {
    const uint32_t back = Rgb(100, 20, 240), dark = Rgb(52, 0, 192), light = Rgb(148, 68, 255);
    const int w = 12, h = 7;
    int overlaps = 0;
    auto pixels = Paint(back, w, h, &overlaps);
    EXPECT_EQ(overlaps, 0) << "the four families share no pixel";
    const auto at = [&](int x, int y) { return pixels.at(std::make_pair(x, y)); };
    EXPECT_EQ(pixels.size(), static_cast<size_t>(2 * w + 2 * h - 4 + 2 * (w - 2) + 2 * (h - 2) - 4));
    EXPECT_EQ(at(w - 1, 0), 0u) << "top-right corner";
    EXPECT_EQ(at(0, h - 1), 0u) << "bottom-left corner";
    EXPECT_EQ(at(w - 1, h - 1), 0u);
    EXPECT_EQ(at(0, 0), back);
    EXPECT_EQ(at(w - 2, 0), back);
    EXPECT_EQ(at(0, h - 2), back);
    EXPECT_EQ(at(w - 2, 1), dark);
    EXPECT_EQ(at(1, h - 2), dark);
    EXPECT_EQ(at(w - 2, h - 2), dark);
    EXPECT_EQ(at(1, 1), light);
    EXPECT_EQ(at(w - 3, 1), light);
    EXPECT_EQ(at(1, h - 3), light);
    EXPECT_EQ(pixels.count(std::make_pair(2, 2)), 0u) << "the inside is left to the fill";
}
