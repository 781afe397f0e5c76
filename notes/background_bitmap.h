// The background bitmap file, read whole at start-up and drawn behind every note's text.
#pragma once
#include <windows.h>

extern BYTE *backgroundBitmap;
extern DWORD backgroundBitmapSize; // bytes actually read, so the painter can check the headers
extern int backgroundBitmapLoaded;

// The path is Shift-JIS, as the settings file holds it.
void LoadBackgroundBitmap(const char *path);
void ReleaseBackgroundBitmap();
