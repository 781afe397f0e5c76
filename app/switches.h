// The command-line switches /TIMER, /S, /I and /W.
#pragma once

constexpr int kSwitchCopySize = 520;

// Upper-cases the ASCII letters of the tail in place (as the matching requires) and reports
// whether the switch stands anywhere in it, followed by a blank or the end of the text.
bool HasSwitch(char *tail, const char *switchText);
