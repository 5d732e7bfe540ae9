// Mouse messages that a control does not use itself go to the wizard, so the
// window can be dragged by nearly any point of its surface.
#pragma once

#include <windows.h>

// Calls the wizard's procedure directly with the point in wizard coordinates.
void forwardToWizard(UINT message, WPARAM wParam, int wizardX, int wizardY);

// For a control whose top-left corner lies at controlX, controlY of the wizard:
// hands a pointer move or button message on to the wizard (a move also ends any
// caption button's hover) and returns true; any other message is left alone.
bool forwardPointerMessage(UINT message, WPARAM wParam, LPARAM lParam, int controlX, int controlY);
