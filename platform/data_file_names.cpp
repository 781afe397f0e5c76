#include "platform/data_file_names.h"

#include <cstring>

void DeriveDataFileName(const char *modulePath, const char *extension, char *out, size_t outSize) {
    if (outSize == 0) return;
    std::strncpy(out, modulePath, outSize - 1);
    out[outSize - 1] = '\0';
    char *dot = std::strrchr(out, '.');
    size_t stem = dot ? static_cast<size_t>(dot - out) : std::strlen(out);
    const size_t extensionLength = std::strlen(extension);
    if (stem + extensionLength >= outSize) stem = outSize - 1 - extensionLength;
    std::memcpy(out + stem, extension, extensionLength + 1);
}
