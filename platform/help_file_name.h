// The help file's name, derived from the executable's own path, and which viewer Help opens. No
// platform headers here.
#pragma once
#include <cstddef>

// Replaces the last "." of the module path and all after it with ".HLP". A path without any "."
// is taken unchanged: the help viewer only reads the file it is given. The result is cut to fit.
void DeriveHelpFileName(const wchar_t *modulePath, wchar_t *out, size_t outSize);

enum class HelpViewer { WinHelp, HtmlHelp, None };

// The WinHelp file where the system still has its viewer; otherwise the program's HTML Help file,
// the equivalent viewer of the systems that have none; otherwise nothing to open.
HelpViewer ChooseHelpViewer(bool winHelpFileThere, bool winHelpViewerThere, bool htmlHelpFileThere);
