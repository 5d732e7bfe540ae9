#include "main/ui/hot_spots.h"

#include <gtest/gtest.h>

#include "main/run_state.h"
#include "main/ui/about_requests.h"

namespace {

const int kEncryptSpots[] = {creditsLink, aboutLink, deleteOriginalAfterEncryption, shutDownAfterEncryption};
const int kDecryptSpots[] = {creditsLink, aboutLink, deleteEncryptedAfterDecryption, shutDownAfterDecryption};

// A window at (100, 50) with a fresh pointer state and no option set.
class HotSpots : public ::testing::Test {
protected:
    void showEncryptSpots() { showOnlyHotSpots(state, kEncryptSpots, 4); }
    // A window moves by what the rules return.
    void apply(const PointerActions& actions) {
        if (!actions.moveWindow) return;
        windowX += actions.moveX;
        windowY += actions.moveY;
    }

    PointerState state;
    OptionFlags flags;
    int windowX = 100;
    int windowY = 50;
};

struct HitCase {
    int x, y;
    int encryptSpot;  // expected with the encrypt window's spots
    int decryptSpot;  // expected with the decrypt window's spots
};

// Edges of the half-open rectangles: left and top belong, right and bottom do not.
const HitCase kHitCases[] = {
    {15, 22, creditsLink, creditsLink},
    {64, 33, creditsLink, creditsLink},
    {65, 22, kNoHotSpot, kNoHotSpot},
    {15, 34, kNoHotSpot, kNoHotSpot},
    {14, 30, kNoHotSpot, kNoHotSpot},
    {141, 53, aboutLink, aboutLink},
    {142, 53, kNoHotSpot, kNoHotSpot},
    {15, 270, deleteOriginalAfterEncryption, deleteEncryptedAfterDecryption},
    {336, 290, deleteOriginalAfterEncryption, deleteEncryptedAfterDecryption},
    {337, 280, kNoHotSpot, deleteEncryptedAfterDecryption},  // the decrypt label is longer
    {344, 280, kNoHotSpot, deleteEncryptedAfterDecryption},
    {345, 280, kNoHotSpot, kNoHotSpot},
    {15, 291, kNoHotSpot, kNoHotSpot},
    {320, 320, shutDownAfterEncryption, shutDownAfterDecryption},
    {321, 320, kNoHotSpot, kNoHotSpot},
    {200, 200, kNoHotSpot, kNoHotSpot},
    {-5, 30, kNoHotSpot, kNoHotSpot},
};

TEST_F(HotSpots, HalfOpenHitTesting) {
    for (const HitCase& c : kHitCases) {
        showOnlyHotSpots(state, kEncryptSpots, 4);
        EXPECT_EQ(hotSpotAt(state, c.x, c.y), c.encryptSpot) << "encrypt window at (" << c.x << ", " << c.y << ")";
        showOnlyHotSpots(state, kDecryptSpots, 4);
        EXPECT_EQ(hotSpotAt(state, c.x, c.y), c.decryptSpot) << "decrypt window at (" << c.x << ", " << c.y << ")";
    }
}

TEST_F(HotSpots, ProgressWindowShowsOnlyTheLinks) {
    const int links[] = {creditsLink, aboutLink};
    showOnlyHotSpots(state, links, 2);
    EXPECT_EQ(hotSpotAt(state, 20, 30), creditsLink);
    EXPECT_EQ(hotSpotAt(state, 20, 280), kNoHotSpot) << "hidden option boxes are not hit";
    EXPECT_EQ(hotSpotAt(state, 20, 310), kNoHotSpot);
}

TEST_F(HotSpots, HoverRedrawsOnlyWhatChanged) {
    showEncryptSpots();
    PointerActions a = trackPointer(state, 20, 30);
    EXPECT_TRUE(a.onHotSpot);
    ASSERT_EQ(a.redrawCount, 1);
    EXPECT_EQ(a.redraw[0], creditsLink);
    EXPECT_EQ(state.hotSpot, creditsLink);

    a = trackPointer(state, 21, 31);
    EXPECT_TRUE(a.onHotSpot);
    EXPECT_EQ(a.redrawCount, 0) << "staying on the same spot redraws nothing";

    a = trackPointer(state, 20, 45);
    ASSERT_EQ(a.redrawCount, 2) << "moving from one spot to another redraws both";
    EXPECT_EQ(a.redraw[0], creditsLink);
    EXPECT_EQ(a.redraw[1], aboutLink);

    a = trackPointer(state, 400, 400);
    EXPECT_FALSE(a.onHotSpot);
    ASSERT_EQ(a.redrawCount, 1);
    EXPECT_EQ(a.redraw[0], aboutLink);
    EXPECT_EQ(state.hotSpot, kNoHotSpot);

    a = trackPointer(state, 400, 401);
    EXPECT_EQ(a.redrawCount, 0);
}

TEST_F(HotSpots, LinkClickSendsItsCommandOnceAndClearsTheHighlight) {
    showEncryptSpots();
    DragOrigin origin;
    struct {
        int x, y, command;
    } links[] = {{20, 30, creditsCommand}, {20, 45, aboutCommand}};
    for (const auto& link : links) {
        pointerMoved(state, link.x, link.y, false, origin);
        PointerActions down = leftButtonPressed(state, flags, link.x, link.y, origin);
        EXPECT_EQ(down.command, link.command);
        EXPECT_FALSE(down.captureMouse);
        EXPECT_EQ(state.hotSpot, kNoHotSpot) << "no link stays highlighted after a click";
        EXPECT_TRUE(state.hotSpotPressed);
        ASSERT_EQ(down.redrawCount, 1);
        PointerActions up = leftButtonReleased(state);
        EXPECT_EQ(up.command, 0);
        EXPECT_TRUE(up.releaseMouse);
        EXPECT_FALSE(state.hotSpotPressed);
    }
}

TEST_F(HotSpots, OptionBoxToggles) {
    showEncryptSpots();
    DragOrigin origin;
    pointerMoved(state, 20, 280, false, origin);
    leftButtonPressed(state, flags, 20, 280, origin);
    EXPECT_EQ(flags.deleteOriginalAfterEncryption, 1);
    EXPECT_EQ(state.hotSpot, deleteOriginalAfterEncryption) << "the box stays highlighted";
    leftButtonReleased(state);
    leftButtonPressed(state, flags, 20, 280, origin);
    EXPECT_EQ(flags.deleteOriginalAfterEncryption, 0);
    leftButtonReleased(state);

    flags.shutDownAfterEncryption = 7;  // anything but 1 becomes 1
    pointerMoved(state, 20, 310, false, origin);
    leftButtonPressed(state, flags, 20, 310, origin);
    EXPECT_EQ(flags.shutDownAfterEncryption, 1);
    EXPECT_EQ(flags.deleteEncryptedAfterDecryption, 0) << "hidden twins are left alone";
    EXPECT_EQ(flags.shutDownAfterDecryption, 0);
}

TEST_F(HotSpots, PressOnOptionBoxAndDragDoesNotMoveTheWindow) {
    showEncryptSpots();
    DragOrigin origin;
    pointerMoved(state, 20, 280, false, origin);
    leftButtonPressed(state, flags, 20, 280, origin);
    PointerActions move = pointerMoved(state, 200, 200, true, origin);
    apply(move);
    EXPECT_FALSE(move.moveWindow);
    EXPECT_EQ(windowX, 100);
    EXPECT_EQ(windowY, 50);
}

TEST_F(HotSpots, PressOnBackgroundDragsAcrossHotSpots) {
    showEncryptSpots();
    DragOrigin origin;
    pointerMoved(state, 300, 100, false, origin);
    PointerActions down = leftButtonPressed(state, flags, 300, 100, origin);
    EXPECT_TRUE(down.captureMouse);
    EXPECT_TRUE(state.dragActive);

    // The pointer crosses the credits link while dragging: the window still moves.
    PointerActions move = pointerMoved(state, 20, 30, true, origin);
    apply(move);
    EXPECT_TRUE(move.moveWindow);
    EXPECT_EQ(state.hotSpot, kNoHotSpot) << "no hover while dragging";
    EXPECT_EQ(windowX, 100 + 20 - 300);
    EXPECT_EQ(windowY, 50 + 30 - 100);

    // Signed coordinates left of and above the client area.
    move = pointerMoved(state, -40, -10, true, origin);
    apply(move);
    EXPECT_TRUE(move.moveWindow);
    EXPECT_EQ(windowX, 100 + 20 - 300 - 40 - 300);

    move = pointerMoved(state, 310, 100, false, origin);  // another button or a modifier held
    apply(move);
    EXPECT_FALSE(move.moveWindow);
    leftButtonReleased(state);
    EXPECT_FALSE(state.dragActive);
}

TEST_F(HotSpots, MoveWithButtonHeldButNoDragBegunHereDoesNotJump) {
    showEncryptSpots();
    DragOrigin origin{5, 5};
    PointerActions move = pointerMoved(state, 400, 300, true, origin);
    apply(move);
    EXPECT_FALSE(move.moveWindow);
    EXPECT_EQ(windowX, 100);
}

TEST(PointerWords, SignedSixteenBitCoordinates) {
    struct {
        unsigned long lParam;
        int x, y;
    } cases[] = {
        {0x00000000ul, 0, 0},
        {0x00640032ul, 50, 100},
        {0xFFF6FFD8ul, -40, -10},
        {0x7FFF8000ul, -32768, 32767},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(signedLowWord(c.lParam), c.x) << std::hex << c.lParam;
        EXPECT_EQ(signedHighWord(c.lParam), c.y) << std::hex << c.lParam;
    }
}

}  // namespace
