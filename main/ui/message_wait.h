// Waiting on another thread from a thread that owns windows.
#pragma once

#include <windows.h>

// Waits for any of `handles` while still answering messages other threads send
// to this thread's windows, so a window being created or closed on the other
// thread never waits on us.
void waitAnswering(const HANDLE* handles, DWORD count);
