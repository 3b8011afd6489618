#include "engine/ui/cUIMouseCursor.h"

#include <gtest/gtest.h>

#include <vector>

#include "GUIFixture.h"
#include "engine/core/Random.h"
#include "engine/platform/cWindow.h"
#include "engine/resource/cAnimationRegistry.h"
#include "engine/resource/cSpriteAnimationSet.h"

namespace {

using Engine::cUIMouseCursor;
using Engine::UIVector2;

class MouseCursorTest : public GUIFixture {
protected:
    MouseCursorTest() {
        Engine::cWindow::Destroy();
        MakeSheet("MouseCursorTS", 512, 128);
    }
    ~MouseCursorTest() override { Engine::cWindow::Destroy(); }

    cUIMouseCursor& MakeCursor() {
        gui().CreateCursor(50, 50, "MouseCursorTS", {0.5f, 0.5f});
        return *gui().Cursor();
    }
    // One frame: the animations advance, then the GUI updates.
    static void Frame(float dt) {
        Engine::cAnimationRegistry::Instance().UpdateAnimations(dt);
        gui().Update(dt);
    }
    static int SystemCursorCount() { return Engine::cWindow::Instance().CursorDisplayCount(); }
};

TEST_F(MouseCursorTest, CreatingPlacesItAtThePointerAndHidesTheSystemCursor) {
    Engine::cMouseState::Instance().Move(100, 400);
    cUIMouseCursor& cursor = MakeCursor();
    EXPECT_EQ(cursor.name, "MouseCursor");
    EXPECT_EQ(cursor.kind, cUIMouseCursor::kMouseCursor);
    EXPECT_EQ(cursor.Sprite().Layer(), 10);
    EXPECT_EQ(cursor.GetScreenPosition(), (UIVector2{100.0f, 100.0f}));
    // The quad's top left corner is on the pointer.
    EXPECT_EQ(cursor.transform.m[0][3], 125.0f);
    EXPECT_EQ(cursor.transform.m[1][3], 75.0f);
    EXPECT_LT(SystemCursorCount(), 0);
    EXPECT_EQ(cursor.Sprite().Animation()->Current(), "mouseAnim");

    MoveTo(300, 200);
    EXPECT_EQ(cursor.GetScreenPosition(), (UIVector2{300.0f, 200.0f}));

    gui().DestroyCursor();
    EXPECT_EQ(gui().Cursor(), nullptr);
    EXPECT_GE(SystemCursorCount(), 0);
    gui().DestroyCursor();
    EXPECT_GE(SystemCursorCount(), 0);
}

TEST_F(MouseCursorTest, HideAndShowActOnTheGUICursorOrElseTheSystemOne) {
    gui().HideCursor();
    EXPECT_LT(SystemCursorCount(), 0);
    gui().ShowCursor();
    EXPECT_GE(SystemCursorCount(), 0);
    cUIMouseCursor& cursor = MakeCursor();
    gui().HideCursor();
    EXPECT_FALSE(cursor.IsVisible());
    gui().ShowCursor();
    EXPECT_TRUE(cursor.IsVisible());
}

TEST_F(MouseCursorTest, TheBlinkWaitsOneToThreeSecondsAfterTheAnimationEnds) {
    cUIMouseCursor& cursor = MakeCursor();
    Engine::cSpriteAnimationSet& animation = *cursor.Sprite().Animation();
    for (int blink = 0; blink < 5; ++blink) {
        // Four cells of 0.3 s each; the frame that ends them starts the wait.
        for (int step = 0; step < 40 && !animation.Finished(); ++step) Frame(0.05f);
        ASSERT_TRUE(animation.Finished()) << "blink " << blink;
        ASSERT_EQ(animation.Frame(), 3u);
        float waited = 0.05f;
        while (animation.Finished() && waited < 4.0f) {
            Frame(0.05f);
            waited += 0.05f;
        }
        EXPECT_FALSE(animation.Finished()) << "blink " << blink;
        EXPECT_GE(waited, 1.0f);
        EXPECT_LE(waited, 3.1f);
        EXPECT_EQ(animation.Frame(), 0u);
        EXPECT_GE(cursor.idleInterval, 1.0f);
        EXPECT_LE(cursor.idleInterval, 3.0f);
    }
}

}  // namespace

namespace {

// The waits between blinks of a new cursor; the game's generator is drawn
// from between frames, as play does, and must not change them.
std::vector<float> BlinkWaits(Engine::cUIMouseCursor& cursor, int draws_per_frame) {
    std::vector<float> waits;
    float last = cursor.idleInterval;
    for (int step = 0; step < 400 && waits.size() < 4; ++step) {
        for (int i = 0; i < draws_per_frame; ++i) Engine::Rand();
        Engine::cAnimationRegistry::Instance().UpdateAnimations(0.05f);
        Engine::cGUIManager::Instance().Update(0.05f);
        if (cursor.idleInterval != last) waits.push_back(cursor.idleInterval);
        last = cursor.idleInterval;
    }
    return waits;
}

TEST_F(MouseCursorTest, TheBlinksDoNotDrawFromTheGamesRandomNumbers) {
    const std::vector<float> quiet = BlinkWaits(MakeCursor(), 0);
    gui().DestroyCursor();
    const std::vector<float> busy = BlinkWaits(MakeCursor(), 3);
    ASSERT_EQ(quiet.size(), 4u);
    EXPECT_EQ(busy, quiet) << "the same waits however often the game draws";
}

}  // namespace
