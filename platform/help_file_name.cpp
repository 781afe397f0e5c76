#include "platform/help_file_name.h"

#include <cstring>

// Appends at most what still fits, always leaving the result terminated.
static size_t AppendCut(char *out, size_t used, size_t outSize, const char *text, size_t length) {
    const size_t take = length < outSize - 1 - used ? length : outSize - 1 - used;
    std::memcpy(out + used, text, take);
    out[used + take] = '\0';
    return used + take;
}

void DeriveHelpFileName(const char *modulePath, char *out, size_t outSize) {
    if (outSize == 0) return;
    const char *dot = std::strrchr(modulePath, '.');
    const size_t stem = dot ? static_cast<size_t>(dot - modulePath) : std::strlen(modulePath);
    const size_t used = AppendCut(out, 0, outSize, modulePath, stem);
    if (dot) AppendCut(out, used, outSize, ".HLP", 4);
}
