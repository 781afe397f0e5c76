// The note spacing as typed into the property sheet. No platform headers here.
#pragma once

constexpr int kMaxSpacing = 63;

// Reads a signed decimal number, blanks allowed around it; any other text reads as 0. The result
// is clamped to 0..63, so a number too long for an int still lands on the nearer end.
int SpacingFromText(const char *text);
