#include "notes/bitmap_file.h"

// Little-endian fields read byte by byte: the image need not be aligned or trusted.
static uint32_t U16At(const uint8_t *p) {
    return p[0] | p[1] << 8;
}
static uint32_t U32At(const uint8_t *p) {
    return U16At(p) | U16At(p + 2) << 16;
}

size_t ColorTableEntries(uint16_t bitCount) {
    switch (bitCount) {
    case 1: return 2;
    case 4: return 16;
    case 8: return 256;
    default: return 0;
    }
}

static bool SaneBitCount(uint32_t bitCount) {
    return bitCount == 1 || bitCount == 4 || bitCount == 8 || bitCount == 16 || bitCount == 24 ||
           bitCount == 32;
}

static bool SaneExtent(int64_t extent) {
    return extent >= 1 && extent <= kMaxBitmapExtent;
}

// Run-length data has no rows to count: its length is the size the header states, and the
// platform decodes it bottom-up only.
static bool SaneRunLength(uint32_t compression, uint32_t bitCount, int32_t height, uint32_t statedSize) {
    const uint32_t bits = compression == kBitmapRunLength8 ? 8 : 4;
    return bitCount == bits && height > 0 && statedSize > 0;
}

static bool SaneFormat(uint32_t compression, uint32_t bitCount, int32_t height, uint32_t statedSize) {
    if (compression == kBitmapUncompressed) return SaneBitCount(bitCount);
    if (compression == kBitmapRunLength8 || compression == kBitmapRunLength4)
        return SaneRunLength(compression, bitCount, height, statedSize);
    return false;
}

bool LocateBitmapParts(const uint8_t *image, size_t size, BitmapParts *parts) {
    if (!image || size < kColorTableOffset) return false;
    if (image[0] != 'B' || image[1] != 'M') return false;
    const uint8_t *info = image + kBitmapFileHeaderSize;
    const uint32_t headerSize = U32At(info);
    const int32_t width = static_cast<int32_t>(U32At(info + 4));
    const int32_t height = static_cast<int32_t>(U32At(info + 8));
    const uint32_t planes = U16At(info + 12), bitCount = U16At(info + 14), compression = U32At(info + 16);
    const uint32_t statedSize = U32At(info + 20);
    const int64_t rows = height < 0 ? -static_cast<int64_t>(height) : height;
    if (headerSize < kBitmapInfoHeaderSize || planes != 1) return false;
    if (!SaneFormat(compression, bitCount, height, statedSize) || !SaneExtent(width) || !SaneExtent(rows))
        return false;

    const uint64_t colorCount = ColorTableEntries(static_cast<uint16_t>(bitCount));
    const uint64_t pixelOffset = kColorTableOffset + colorCount * 4;
    const uint64_t stride = (static_cast<uint64_t>(width) * bitCount + 31) / 32 * 4;
    const uint64_t pixelBytes =
        compression == kBitmapUncompressed ? stride * static_cast<uint64_t>(rows) : statedSize;
    if (pixelOffset > size || pixelBytes > size - pixelOffset) return false;

    *parts = BitmapParts{width,
                         height,
                         static_cast<uint16_t>(bitCount),
                         compression,
                         static_cast<size_t>(colorCount),
                         static_cast<size_t>(pixelOffset),
                         static_cast<size_t>(pixelBytes)};
    return true;
}
