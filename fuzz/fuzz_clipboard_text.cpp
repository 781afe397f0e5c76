// Any clipboard block, with or without a terminator: the pasted text ends within the field.
#include "app/clipboard_text.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

// A block of no bytes cannot be locked, so paste never hands one over.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    if (size == 0) return 0;
    const std::vector<char> block(data, data + size); // exactly sized, so overreads are caught
    char field[kTextSize];
    std::memset(field, 'x', sizeof field);
    TakeClipboardText(field, block.data(), block.size());
    const size_t length = strnlen(field, sizeof field);
    if (length > kMaxTextBytes) std::abort();
    if (std::memcmp(field, block.data(), length) != 0) std::abort();
    for (size_t i = length; i < sizeof field; ++i)
        if (field[i] != '\0') std::abort();
    return 0;
}
