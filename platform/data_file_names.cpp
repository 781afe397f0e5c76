#include "platform/data_file_names.h"

#include <cwchar>

void DeriveDataFileName(const wchar_t *modulePath, const wchar_t *extension, wchar_t *out, size_t outSize) {
    if (outSize == 0) return;
    // Copied without wcsncpy's padding: the path buffers are large, and padding would fill
    // every page of them.
    const size_t length = wcsnlen(modulePath, outSize - 1);
    std::wmemcpy(out, modulePath, length);
    out[length] = L'\0';
    wchar_t *dot = std::wcsrchr(out, L'.');
    size_t stem = dot ? static_cast<size_t>(dot - out) : std::wcslen(out);
    const size_t extensionLength = std::wcslen(extension);
    if (stem + extensionLength >= outSize) stem = outSize - 1 - extensionLength;
    std::wmemcpy(out + stem, extension, extensionLength + 1);
}
