#include "notes/paint_note.h"

#include "store/note_table.h"

int timerRepaintPending;
SYSTEMTIME lastClockReading;

void PaintNote(HWND window) {
    const NoteRecord &record = NoteTable[FindNote(window)];
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    RECT client;
    GetClientRect(window, &client);
    HBRUSH brush = CreateSolidBrush(record.backColor);
    FillRect(dc, &client, brush);
    DeleteObject(brush);
    EndPaint(window, &ps);
    timerRepaintPending = 0;
}

void RedrawAllNotes(int setWrap) {
    for (int i = 0; i < noteCount; ++i) {
        if (setWrap) NoteTable[i].wrapFlag = 1;
        RepaintNote(NoteWindowOf(NoteTable[i]));
    }
}

void RepaintNote(HWND window) {
    InvalidateRect(window, nullptr, TRUE);
    UpdateWindow(window);
}

void CALLBACK DateMacroTimer(HWND, UINT, UINT_PTR, DWORD) { timerRepaintPending = 1; }
