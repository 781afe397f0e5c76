#include "app/clipboard_text.h"

#include <cstring>

void TakeClipboardText(char (&field)[kTextSize], const char *text, size_t blockSize) {
    const size_t length = strnlen(text, blockSize < kMaxTextBytes ? blockSize : kMaxTextBytes);
    std::memset(field, 0, kTextSize);
    std::memcpy(field, text, length);
}
