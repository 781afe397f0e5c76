// The name of the help file, derived from the executable's own path. No platform headers here.
#pragma once
#include <cstddef>

// Replaces the last "." of the module path and all after it with ".HLP". A path without any "."
// is taken unchanged: the help viewer only reads the file it is given. The result is cut to fit.
void DeriveHelpFileName(const wchar_t *modulePath, wchar_t *out, size_t outSize);
