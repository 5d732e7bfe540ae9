// Ends the Windows session: the main program powers off, the installer and the
// uninstaller restart. One procedure, the flags tell which.
#pragma once

#include <windows.h>

constexpr UINT kPowerOffFlags = EWX_SHUTDOWN | EWX_FORCE;  // 5
constexpr UINT kRestartFlags = EWX_REBOOT | EWX_FORCE;     // 6

// Enables the shutdown privilege and asks for the end of the session. Nothing is
// reported: the caller ends its process right after.
void shutDownComputer(UINT exitFlags);
