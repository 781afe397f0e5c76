#include "notes/bitmap_file.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

using Image = std::vector<uint8_t>;

static void Put32(Image &image, size_t offset, uint32_t value) {
    for (int i = 0; i < 4; ++i)
        image[offset + i] = static_cast<uint8_t>(value >> (8 * i));
}
static void Put16(Image &image, size_t offset, uint16_t value) {
    image[offset] = static_cast<uint8_t>(value);
    image[offset + 1] = static_cast<uint8_t>(value >> 8);
}

// A complete, well-formed image with the colour table and rows the bit count implies.
static Image MakeBitmap(int32_t width, int32_t height, uint16_t bitCount) {
    const size_t stride = (static_cast<size_t>(width) * bitCount + 31) / 32 * 4;
    const size_t rows = height < 0 ? -static_cast<int64_t>(height) : height;
    const size_t pixels = 54 + ColorTableEntries(bitCount) * 4;
    Image image(pixels + stride * rows, 0);
    image[0] = 'B';
    image[1] = 'M';
    Put32(image, 2, static_cast<uint32_t>(image.size()));
    Put32(image, 10, static_cast<uint32_t>(pixels));
    Put32(image, 14, 40);
    Put32(image, 18, static_cast<uint32_t>(width));
    Put32(image, 22, static_cast<uint32_t>(height));
    Put16(image, 26, 1);
    Put16(image, 28, bitCount);
    return image;
}

static bool Locate(const Image &image, BitmapParts *parts) {
    return LocateBitmapParts(image.data(), image.size(), parts);
}

TEST(BitmapFile, ColourTableLengthFollowsTheBitCount) {
    struct Case {
        uint16_t bits;
        size_t colors, pixelOffset, pixelBytes;
    } cases[] = {
        {1, 2, 62, 4 * 3},     // 3 pixels of 1 bit: one padded 4-byte row, 3 rows
        {4, 16, 118, 4 * 3},   // 3 pixels: 12 bits, 4 bytes
        {8, 256, 1078, 4 * 3}, // 3 bytes padded to 4
        {16, 0, 54, 8 * 3},    // 6 bytes padded to 8
        {24, 0, 54, 12 * 3},   // 9 bytes padded to 12
        {32, 0, 54, 12 * 3},
    };
    for (const Case &c : cases) {
        BitmapParts parts{};
        ASSERT_TRUE(Locate(MakeBitmap(3, 3, c.bits), &parts)) << c.bits << " bits";
        EXPECT_EQ(parts.colorCount, c.colors) << c.bits << " bits";
        EXPECT_EQ(parts.pixelOffset, c.pixelOffset) << c.bits << " bits";
        EXPECT_EQ(parts.pixelBytes, c.pixelBytes) << c.bits << " bits";
        EXPECT_EQ(parts.width, 3);
        EXPECT_EQ(parts.height, 3);
    }
}

TEST(BitmapFile, TopDownRowsAndTheIgnoredFileHeaderOffset) {
    Image image = MakeBitmap(2, -5, 24);
    Put32(image, 10, 9999); // the file header's pixel offset is not consulted
    BitmapParts parts{};
    ASSERT_TRUE(Locate(image, &parts));
    EXPECT_EQ(parts.height, -5);
    EXPECT_EQ(parts.pixelOffset, 54u);
    EXPECT_EQ(parts.pixelBytes, 8u * 5);
}

TEST(BitmapFile, TruncatedImagesAreRefused) {
    BitmapParts parts{};
    for (uint16_t bits : {1, 4, 8, 24}) {
        Image image = MakeBitmap(5, 4, bits);
        image.pop_back();
        EXPECT_FALSE(Locate(image, &parts)) << bits << " bits, last row short by one byte";
    }
    Image eightBit = MakeBitmap(1, 1, 8);
    eightBit.resize(54 + 1000);
    EXPECT_FALSE(Locate(eightBit, &parts)) << "colour table cut";
    Image headers = MakeBitmap(1, 1, 24);
    headers.resize(53);
    EXPECT_FALSE(Locate(headers, &parts)) << "information header cut";
    EXPECT_FALSE(LocateBitmapParts(headers.data(), 0, &parts));
    EXPECT_FALSE(LocateBitmapParts(nullptr, 100, &parts));
}

TEST(BitmapFile, MalformedHeadersAreRefused) {
    struct Case {
        const char *what;
        size_t offset;
        int bytes;
        uint32_t value;
    } cases[] = {
        {"not BM", 0, 2, 'B' | 'A' << 8},
        {"core header", 14, 4, 12},
        {"zero width", 18, 4, 0},
        {"negative width", 18, 4, static_cast<uint32_t>(-3)},
        {"huge width", 18, 4, 0x7FFFFFFF},
        {"zero height", 22, 4, 0},
        {"most negative height", 22, 4, 0x80000000},
        {"two planes", 26, 2, 2},
        {"no bits", 28, 2, 0},
        {"seven bits", 28, 2, 7},
        {"RLE8 without a stated size", 30, 4, 1},
        {"bit fields", 30, 4, 3},
    };
    for (const Case &c : cases) {
        Image image = MakeBitmap(4, 4, 8);
        if (c.bytes == 2)
            Put16(image, c.offset, static_cast<uint16_t>(c.value));
        else
            Put32(image, c.offset, c.value);
        BitmapParts parts{};
        EXPECT_FALSE(Locate(image, &parts)) << c.what;
    }
}

TEST(BitmapFile, RowsThatWouldOverflowAreRefused) {
    Image image = MakeBitmap(1, 1, 32);
    Put32(image, 18, 32767);
    Put32(image, 22, 32767);
    BitmapParts parts{};
    EXPECT_FALSE(Locate(image, &parts)) << "4 GiB of rows claimed by a tiny file";
}

// Run-length data is as long as the header states; that much must lie inside the file.
TEST(BitmapFile, RunLengthBitmapsNeedTheirStatedSizeInsideTheFile) {
    for (uint16_t bits : {8, 4}) {
        Image image = MakeBitmap(4, 4, bits);
        Put32(image, 30, bits == 8 ? 1 : 2);
        Put32(image, 34, 8);
        BitmapParts parts{};
        ASSERT_TRUE(Locate(image, &parts)) << bits << " bits";
        EXPECT_EQ(parts.pixelBytes, 8u);
        Put32(image, 34, static_cast<uint32_t>(image.size() - parts.pixelOffset + 1));
        EXPECT_FALSE(Locate(image, &parts)) << bits << " bits, stated size one byte past the end";
        Put32(image, 34, 8);
        Put32(image, 22, static_cast<uint32_t>(-4));
        EXPECT_FALSE(Locate(image, &parts)) << bits << " bits, top-down";
        Put32(image, 22, 4);
        Put16(image, 28, bits == 8 ? 4 : 8);
        EXPECT_FALSE(Locate(image, &parts)) << "run-length code of the other bit count";
    }
}
