#include "main/ui/hot_spots.h"

#include "main/ui/about_requests.h"

const HotSpot kHotSpots[kHotSpotCount] = {
    {HotSpotKind::Link, "Credits", {15, 22, 65, 34}},
    {HotSpotKind::Link, "About the Software", {15, 42, 142, 54}},
    {HotSpotKind::OptionBox, "Delete Encrypted File after Decryption", {15, 270, 345, 291}},
    {HotSpotKind::OptionBox, "Delete Original File after Encryption", {15, 270, 337, 291}},
    {HotSpotKind::OptionBox, "Shut Down Computer after Encryption", {15, 300, 321, 321}},
    {HotSpotKind::OptionBox, "Shut Down Computer after Decryption", {15, 300, 321, 321}},
};

void resetPointerState(PointerState& state) {
    state.hotSpot = kNoHotSpot;
    state.hotSpotPressed = false;
    state.dragActive = false;
}

void showOnlyHotSpots(PointerState& state, const int* spots, int count) {
    for (int& visible : state.visible) visible = 0;
    for (int i = 0; i < count; i++) {
        if (spots[i] >= 0 && spots[i] < kHotSpotCount) state.visible[spots[i]] = 1;
    }
}

int hotSpotAt(const PointerState& state, int x, int y) {
    for (int spot = 0; spot < kHotSpotCount; spot++) {
        if (state.visible[spot] && kHotSpots[spot].rect.contains(x, y)) return spot;
    }
    return kNoHotSpot;
}

int* optionFlagOf(OptionFlags& flags, int spot) {
    switch (spot) {
    case deleteEncryptedAfterDecryption: return &flags.deleteEncryptedAfterDecryption;
    case deleteOriginalAfterEncryption: return &flags.deleteOriginalAfterEncryption;
    case shutDownAfterEncryption: return &flags.shutDownAfterEncryption;
    case shutDownAfterDecryption: return &flags.shutDownAfterDecryption;
    default: return nullptr;
    }
}

PointerActions trackPointer(PointerState& state, int x, int y) {
    PointerActions actions;
    const int spot = hotSpotAt(state, x, y);
    if (spot != kNoHotSpot) {
        actions.onHotSpot = true;
        if (spot == state.hotSpot) return actions;
        if (state.hotSpot != kNoHotSpot) actions.addRedraw(state.hotSpot);
        state.hotSpot = spot;
        actions.addRedraw(spot);
        return actions;
    }
    if (state.hotSpot != kNoHotSpot) {
        actions.addRedraw(state.hotSpot);
        state.hotSpot = kNoHotSpot;
    }
    return actions;
}

PointerActions pointerMoved(PointerState& state, int x, int y, bool leftButtonOnly, const DragOrigin& origin) {
    PointerActions actions;
    if (!state.dragActive) {
        actions = trackPointer(state, x, y);
        if (actions.onHotSpot) return actions;
    }
    // Only a drag that began on this window's background moves it; a button
    // pressed elsewhere has no origin here to measure from.
    if (leftButtonOnly && state.dragActive && !state.hotSpotPressed) {
        dragStep(origin, x, y, actions.moveX, actions.moveY);
        actions.moveWindow = true;
    }
    return actions;
}

PointerActions leftButtonPressed(PointerState& state, OptionFlags& flags, int x, int y, DragOrigin& origin) {
    PointerActions actions;
    if (state.hotSpot == kNoHotSpot) {
        actions.captureMouse = true;
        origin.x = x;
        origin.y = y;
        state.hotSpotPressed = false;
        state.dragActive = true;
        return actions;
    }
    state.hotSpotPressed = true;
    const int spot = state.hotSpot;
    if (kHotSpots[spot].kind == HotSpotKind::Link) {
        actions.command = spot == creditsLink ? creditsCommand : aboutCommand;
        state.hotSpot = kNoHotSpot;
    } else if (int* flag = optionFlagOf(flags, spot)) {
        *flag = *flag == 1 ? 0 : 1;
    }
    actions.addRedraw(spot);
    return actions;
}

PointerActions leftButtonReleased(PointerState& state) {
    PointerActions actions;
    state.dragActive = false;
    state.hotSpotPressed = false;
    actions.releaseMouse = true;
    return actions;
}
