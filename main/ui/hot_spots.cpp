#include "main/ui/hot_spots.h"

#include "main/run_state.h"
#include "main/ui/about_requests.h"

const HotSpot kHotSpots[kHotSpotCount] = {
    {HotSpotKind::Link, "Credits", {15, 22, 65, 34}},
    {HotSpotKind::Link, "About the Software", {15, 42, 142, 54}},
    {HotSpotKind::OptionBox, "Delete Encrypted File after Decryption", {15, 270, 345, 291}},
    {HotSpotKind::OptionBox, "Delete Original File after Encryption", {15, 270, 337, 291}},
    {HotSpotKind::OptionBox, "Shut Down Computer after Encryption", {15, 300, 321, 321}},
    {HotSpotKind::OptionBox, "Shut Down Computer after Decryption", {15, 300, 321, 321}},
};

int hotSpotVisible[kHotSpotCount];
int hotSpot = kNoHotSpot;
bool hotSpotPressed = false;
bool dragActive = false;

void resetHotSpotState() {
    hotSpot = kNoHotSpot;
    hotSpotPressed = false;
    dragActive = false;
}

void showOnlyHotSpots(const int* spots, int count) {
    for (int& visible : hotSpotVisible) visible = 0;
    for (int i = 0; i < count; i++) {
        if (spots[i] >= 0 && spots[i] < kHotSpotCount) hotSpotVisible[spots[i]] = 1;
    }
}

int hotSpotAt(int x, int y) {
    for (int spot = 0; spot < kHotSpotCount; spot++) {
        if (hotSpotVisible[spot] && kHotSpots[spot].rect.contains(x, y)) return spot;
    }
    return kNoHotSpot;
}

int* optionFlagOf(int spot) {
    switch (spot) {
    case deleteEncryptedAfterDecryption: return &optionFlags.deleteEncryptedAfterDecryption;
    case deleteOriginalAfterEncryption: return &optionFlags.deleteOriginalAfterEncryption;
    case shutDownAfterEncryption: return &optionFlags.shutDownAfterEncryption;
    case shutDownAfterDecryption: return &optionFlags.shutDownAfterDecryption;
    default: return nullptr;
    }
}

PointerActions trackPointer(int x, int y) {
    PointerActions actions;
    const int spot = hotSpotAt(x, y);
    if (spot != kNoHotSpot) {
        actions.onHotSpot = true;
        if (spot == hotSpot) return actions;
        if (hotSpot != kNoHotSpot) actions.addRedraw(hotSpot);
        hotSpot = spot;
        actions.addRedraw(spot);
        return actions;
    }
    if (hotSpot != kNoHotSpot) {
        actions.addRedraw(hotSpot);
        hotSpot = kNoHotSpot;
    }
    return actions;
}

PointerActions pointerMoved(int x, int y, bool leftButtonOnly, const DragOrigin& origin) {
    PointerActions actions;
    if (!dragActive) {
        actions = trackPointer(x, y);
        if (actions.onHotSpot) return actions;
    }
    // Only a drag that began on this window's background moves it; a button
    // pressed elsewhere has no origin here to measure from.
    if (leftButtonOnly && dragActive && !hotSpotPressed) {
        dragStep(origin, x, y, windowX, windowY);
        actions.moveWindow = true;
    }
    return actions;
}

PointerActions leftButtonPressed(int x, int y, DragOrigin& origin) {
    PointerActions actions;
    if (hotSpot == kNoHotSpot) {
        actions.captureMouse = true;
        origin.x = x;
        origin.y = y;
        hotSpotPressed = false;
        dragActive = true;
        return actions;
    }
    hotSpotPressed = true;
    const int spot = hotSpot;
    if (kHotSpots[spot].kind == HotSpotKind::Link) {
        actions.command = spot == creditsLink ? creditsCommand : aboutCommand;
        hotSpot = kNoHotSpot;
    } else if (int* flag = optionFlagOf(spot)) {
        *flag = *flag == 1 ? 0 : 1;
    }
    actions.addRedraw(spot);
    return actions;
}

PointerActions leftButtonReleased() {
    PointerActions actions;
    dragActive = false;
    hotSpotPressed = false;
    actions.releaseMouse = true;
    return actions;
}
