#include "main/ui/hot_spot_input.h"

#include <cstring>

#include "common/draw_text.h"
#include "common/scoped_gdi.h"
#include "common/window_drag.h"
#include "main/run_state.h"

PointerState pointerState;

namespace {

const char* const kLinkFace = "Cosmic Sans Roman";
const COLORREF kLinkHot = RGB(0, 155, 155);
const COLORREF kLinkCold = RGB(255, 255, 10);
const COLORREF kBoxHot = RGB(0, 0, 255);
const COLORREF kBoxCold = RGB(255, 0, 0);

void redrawSpot(HWND window, int spot) {
    const HotSpotRect& r = kHotSpots[spot].rect;
    // RECT is half-open like the hot-spot rectangles.
    const RECT area = {r.left, r.top, r.right, r.bottom};
    RedrawWindow(window, &area, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void apply(HWND window, const PointerActions& actions) {
    for (int i = 0; i < actions.redrawCount; i++) redrawSpot(window, actions.redraw[i]);
    if (actions.captureMouse) SetCapture(window);
    if (actions.command) SendMessageA(window, WM_COMMAND, static_cast<WPARAM>(actions.command), 0);
    if (actions.moveWindow) {
        windowX += actions.moveX;
        windowY += actions.moveY;
        MoveWindow(window, windowX, windowY, kWindowWidth, kWindowHeight, TRUE);
    }
    if (actions.releaseMouse) ReleaseCapture();
}

GradientColours fadeToBlack(COLORREF colour) {
    return {GetRValue(colour), GetGValue(colour), GetBValue(colour), 0, 0, 0};
}

}  // namespace

void resetHotSpotState() { resetPointerState(pointerState); }

void showHotSpots(const int* spots, int count) { showOnlyHotSpots(pointerState, spots, count); }

int trackHotSpot(HWND window, int x, int y) {
    const PointerActions actions = trackPointer(pointerState, x, y);
    apply(window, actions);
    return actions.onHotSpot ? 1 : 0;
}

void drawLinks(HDC dc) {
    ScopedFont font(createTextFont(kLinkFace, 16, 7, 0, 0));
    SelectedObject selectedFont(dc, font);
    SetBkMode(dc, TRANSPARENT);
    for (int spot = 0; spot < kHotSpotCount; spot++) {
        const HotSpot& link = kHotSpots[spot];
        if (link.kind != HotSpotKind::Link || !pointerState.visible[spot]) continue;
        SetTextColor(dc, spot == pointerState.hotSpot ? kLinkHot : kLinkCold);
        TextOutA(dc, link.rect.left, link.rect.top - 3, link.label, static_cast<int>(std::strlen(link.label)));
    }
}

void drawOptionBoxes(HDC dc) {
    for (int spot = 0; spot < kHotSpotCount; spot++) {
        const HotSpot& box = kHotSpots[spot];
        if (box.kind != HotSpotKind::OptionBox || !pointerState.visible[spot]) continue;
        const COLORREF colour = spot == pointerState.hotSpot ? kBoxHot : kBoxCold;
        const int left = box.rect.left, top = box.rect.top;
        drawCheckBox(dc, left, top, left + 20, top + 20, colour, *optionFlagOf(optionFlags, spot));
        drawGradientText(dc, box.label, left + 25, top + 1, 18, 8, 0, 0, 0, fadeToBlack(colour));
    }
}

bool handlePointerMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam, DragOrigin& origin) {
    const POINT point = pointerPoint(lParam);
    const int x = static_cast<int>(point.x);
    const int y = static_cast<int>(point.y);
    switch (message) {
    case WM_MOUSEMOVE: apply(window, pointerMoved(pointerState, x, y, wParam == MK_LBUTTON, origin)); return true;
    case WM_LBUTTONDOWN: apply(window, leftButtonPressed(pointerState, optionFlags, x, y, origin)); return true;
    case WM_LBUTTONUP: apply(window, leftButtonReleased(pointerState)); return true;
    default: return false;
    }
}
