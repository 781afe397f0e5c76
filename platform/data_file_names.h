// Names of the data files, derived from the executable's own path.
#pragma once
#include <cstddef>

// Replaces the last "." of the module path and all after it with the extension. A path without
// any "." gets the extension appended, so that the executable itself is never named.
void DeriveDataFileName(const char *modulePath, const char *extension, char *out, size_t outSize);
