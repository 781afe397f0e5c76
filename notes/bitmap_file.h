// Finds the parts of a .BMP file image in memory and checks that they lie inside it.
#pragma once
#include <cstddef>
#include <cstdint>

constexpr size_t kBitmapFileHeaderSize = 14;
constexpr size_t kBitmapInfoHeaderSize = 40;
constexpr size_t kColorTableOffset = kBitmapFileHeaderSize + kBitmapInfoHeaderSize; // 54
constexpr int32_t kMaxBitmapExtent = 32767;

constexpr uint32_t kBitmapUncompressed = 0; // BI_RGB
constexpr uint32_t kBitmapRunLength8 = 1;   // BI_RLE8, 8 bits only
constexpr uint32_t kBitmapRunLength4 = 2;   // BI_RLE4, 4 bits only

// Where the information header, colour table and pixel rows of a bitmap file image are.
struct BitmapParts {
    int32_t width, height; // a negative height means the rows run top-down
    uint16_t bitCount;
    uint32_t compression; // one of the three above
    size_t colorCount;    // 4-byte entries at kColorTableOffset
    size_t pixelOffset;   // right after the colour table
    size_t pixelBytes;    // rows padded to 4 bytes times the rows, or the stated run-length size
};

// The colour-table entries a bit count implies: 2, 16 or 256, none for any other.
size_t ColorTableEntries(uint16_t bitCount);

// Locates the parts of the image of `size` bytes. The colour table's length follows from the
// bit count alone and the pixel data follows it; the file header's pixel offset and the
// used-colours count are not consulted. Returns false, and the image must not be drawn, unless
// both headers are present, the image is a one-plane bitmap with a width and height of 1 to
// kMaxBitmapExtent that is either uncompressed with 1, 4, 8, 16, 24 or 32 bits, or bottom-up
// run-length compressed with 8 (RLE8) or 4 (RLE4) bits and a stated image size of at least one
// byte, and the colour table and all the pixel data (every row, or the stated size) lie inside
// the image.
bool LocateBitmapParts(const uint8_t *image, size_t size, BitmapParts *parts);
