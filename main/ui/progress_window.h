// The progress window: its own thread, statistics on a timer, the exit
// questions and the cancel. The run on the main thread only counts bytes and
// tests cancelCode; everything shown is computed here.
#pragma once

#include <windows.h>

// Starts the progress thread once the run has filled runProgress, and returns
// when its window exists (so the run's final refresh always has a window to
// reach). The caller closes the returned handle. Null when the thread or its
// window could not be made (0010): nothing of it is left running.
HANDLE startProgressThread();

// The run's request for one immediate refresh at the end of its input: handled
// by the window's thread exactly like a timer tick. Never paints from the caller.
void requestProgressRefresh();

DWORD WINAPI progressThread(LPVOID unused);
LRESULT CALLBACK progressWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// WM_PAINT's parts: title, caption and panel (updating the speed figures), and
// the filled part of the bar.
void drawStatistics(HDC dc, HWND window);
void drawProgressBar(HDC dc);
