// Mouse messages that a control does not use itself go to the wizard, so the
// window can be dragged by nearly any point of its surface.
#pragma once

#include <windows.h>

// Calls the wizard's procedure directly with the point in wizard coordinates.
void forwardToWizard(UINT message, WPARAM wParam, int wizardX, int wizardY);
