// The installer's fatal errors: a numbered message box, then exit status 1.
#pragma once

#include <windows.h>

// Registry and payload errors (0112 to 0118): the wizard is hidden first, the
// message has no owner.
[[noreturn]] void failWithAccessError(int number);

// The wizard's own errors (0102, 0103): the window, when given, owns the message
// and stays visible.
[[noreturn]] void failWithLoadingError(int number, HWND owner);
