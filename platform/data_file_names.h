// Names of the data files, derived from the executable's own path. No platform headers here.
#pragma once
#include <cstddef>

// Replaces the last "." of the module path and all after it with the extension. A path without
// any "." gets the extension appended, so that the executable itself is never named.
void DeriveDataFileName(const wchar_t *modulePath, const wchar_t *extension, wchar_t *out, size_t outSize);
