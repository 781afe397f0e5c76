// Any background bitmap file: the parts it claims must lie inside it, or it is refused.
#include "notes/bitmap_file.h"

#include <cstdint>
#include <cstdlib>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    std::vector<uint8_t> image(data, data + size);
    BitmapParts parts;
    if (!LocateBitmapParts(image.data(), image.size(), &parts)) return 0;
    if (parts.pixelOffset + parts.pixelBytes > image.size()) std::abort();
    if (kColorTableOffset + parts.colorCount * 4 > image.size()) std::abort();
    return 0;
}
