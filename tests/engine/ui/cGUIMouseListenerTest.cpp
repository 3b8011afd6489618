#include "engine/ui/cGUIMouseListener.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "GUIFixture.h"
#include "engine/core/Letterbox.h"

namespace {

using Engine::UIVector2;

// Input goes through the mouse state, as the window's messages do. The
// button is 100 x 50 pixels centred at (500, 250): x 450..550, y 225..275.
class GUIMouseTest : public GUIFixture {
protected:
    GUIMouseTest() {
        button = gui().CreateButton({0.5f, 0.5f}, "buttonTS", "Go", "Go", 0.1f, 0.1f, 64, 64, 5);
        gui().SetButtonCallback("Go", [this](auto*) { ++clicks; });
        gui().SetButtonHoverCallback("Go", [this](auto*) { ++hovers; });
    }

    Engine::cUIButton* button = nullptr;
    int clicks = 0;
    int hovers = 0;
};

TEST_F(GUIMouseTest, TheListenersAreOnTheInputLists) {
    EXPECT_EQ(Engine::cMouseState::Instance().Listeners().size(), 1u);
    EXPECT_EQ(Engine::cKeyboardState::Instance().Listeners().size(), 1u);
}

TEST_F(GUIMouseTest, HoverEntersAndLeaves) {
    MoveTo(500, 250);
    EXPECT_EQ(button->CurrentLook(), "ButtonMouseOver");
    EXPECT_EQ(hovers, 1);
    MoveTo(600, 250);
    EXPECT_EQ(button->CurrentLook(), "ButtonIdle");
    EXPECT_EQ(hovers, 1);
}

TEST_F(GUIMouseTest, EdgesCountAsInside) {
    const std::vector<std::pair<UIVector2, bool>> cases{
        {{450, 225}, true}, {{550, 275}, true}, {{450, 275}, true}, {{449, 250}, false}, {{500, 276}, false}};
    for (const auto& [point, inside] : cases) {
        MoveTo(point.x, point.y);
        EXPECT_EQ(button->CurrentLook(), inside ? "ButtonMouseOver" : "ButtonIdle") << point.x << "," << point.y;
    }
}

TEST_F(GUIMouseTest, PressAndReleaseOverTheButtonClickOnceWithTheSound) {
    for (int mouse_button : {0, 1, 2}) {
        clicks = 0;
        sounds.clear();
        volumes.clear();
        MoveTo(500, 250);
        Engine::cMouseState::Instance().ButtonDown(mouse_button);
        EXPECT_EQ(button->CurrentLook(), "ButtonClicked");
        EXPECT_EQ(clicks, 0);
        Engine::cMouseState::Instance().ButtonUp(mouse_button);
        EXPECT_EQ(clicks, 1) << "button " << mouse_button;
        EXPECT_EQ(sounds, (std::vector<std::string>{"once ButtonPress"}));
        EXPECT_EQ(volumes, (std::vector<float>{1.0f}));
    }
}

TEST_F(GUIMouseTest, DraggingOffCancelsAndPressingElsewhereDoesNotClick) {
    MoveTo(500, 250);
    Engine::cMouseState::Instance().ButtonDown(0);
    MoveTo(700, 250);
    Engine::cMouseState::Instance().ButtonUp(0);
    MoveTo(700, 250);
    Engine::cMouseState::Instance().ButtonDown(0);
    MoveTo(500, 250);
    Engine::cMouseState::Instance().ButtonUp(0);
    EXPECT_EQ(clicks, 0);
    EXPECT_TRUE(sounds.empty());
}

TEST_F(GUIMouseTest, AHiddenButtonTakesNoInput) {
    button->SetVisible(false);
    MoveTo(500, 250);
    Click();
    EXPECT_EQ(hovers, 0);
    EXPECT_EQ(clicks, 0);
    EXPECT_NE(button->CurrentLook(), "ButtonClicked");
}

TEST_F(GUIMouseTest, AClickWithoutCallbackIsSilent) {
    button->onClick = nullptr;
    MoveTo(500, 250);
    Click();
    EXPECT_TRUE(sounds.empty());
}

TEST_F(GUIMouseTest, ACallbackMayClearTheScreen) {
    gui().CreateButton({0.5f, 0.5f}, "buttonTS", "Zz", "", 0.1f, 0.1f, 64, 64, 5);
    int later = 0;
    gui().SetButtonCallback("Go", [](auto*) { Engine::cGUIManager::Instance().Clear(); });
    gui().SetButtonCallback("Zz", [&](auto*) { ++later; });
    MoveTo(500, 250);
    Click();
    EXPECT_EQ(later, 0);
    EXPECT_TRUE(gui().Elements().empty());
}

TEST_F(GUIMouseTest, ClickingFocusesTheEditableBoxUnderThePointer) {
    auto* first = gui().CreateEditableTextbox({0.2f, 0.2f}, "First", 0.1f, 0.1f, 5);
    auto* second = gui().CreateEditableTextbox({0.8f, 0.8f}, "Second", 0.1f, 0.1f, 5);
    MoveTo(200, 100);
    Click();
    EXPECT_EQ(gui().Focused(), first);
    EXPECT_EQ(first->CurrentLook(), "OnFocus");
    MoveTo(800, 400);
    Click();
    EXPECT_EQ(gui().Focused(), second);
    EXPECT_EQ(first->CurrentLook(), "OffFocus");
    EXPECT_EQ(second->CurrentLook(), "OnFocus");
}

TEST_F(GUIMouseTest, InteractiveImagesReportHoverLeaveAndClick) {
    auto* image = gui().CreateInteractiveImage({0.2f, 0.2f}, "buttonTS", "Pic", 0.1f, 0.1f, 5);
    std::vector<std::string> events;
    image->onHover = [&](auto*) { events.push_back("hover"); };
    image->onLeave = [&](auto*) { events.push_back("leave"); };
    image->onClick = [&](auto*) { events.push_back("click"); };
    MoveTo(200, 100);
    Click();
    MoveTo(900, 400);
    // The press clicks at once and the release over it clicks again.
    EXPECT_EQ(events, (std::vector<std::string>{"hover", "click", "click", "leave"}));
}

// Window positions become GUI pixels from the viewport's lower left corner,
// so letterbox bars never shift a click off the button under the pointer.
TEST_F(GUIMouseTest, WindowPositionsBecomeGUIPixelsInEveryDisplayMode) {
    struct Case {
        const char* label;
        Engine::Letterbox box;
        int x, y;
        UIVector2 expected;
    };
    const std::vector<Case> cases{
        {"windowed", Engine::ComputeLetterbox(false, 1024, 768, 1024, 768, false), 100, 68, {100, 700}},
        {"fullscreen", Engine::ComputeLetterbox(true, 1920, 1080, 1920, 1080, false), 0, 1080, {0, 0}},
        {"bars above and below", Engine::ComputeLetterbox(true, 1280, 1024, 1280, 720, false), 640, 512,
         {640, 360}},
        {"bars left and right", Engine::ComputeLetterbox(true, 1600, 900, 1024, 768, false), 250, 900, {50, 0}},
    };
    for (const Case& c : cases) {
        gui().OnViewportResize(c.box.viewport);
        EXPECT_EQ(gui().ToGUIPixels(c.x, c.y), c.expected) << c.label;
    }
}

TEST_F(GUIMouseTest, ALetterboxedClickLandsOnTheButtonUnderThePointer) {
    // 1280 x 1024 screen showing 16:9: a 1280 x 720 picture from y 152 to 872.
    const Engine::Letterbox box = Engine::ComputeLetterbox(true, 1280, 1024, 1280, 720, false);
    ASSERT_EQ(box.viewport.top, 152.0f);
    gui().OnViewportResize(box.viewport);
    // The button's centre is (640, 360) in the picture: window (640, 872 - 360).
    Engine::cMouseState::Instance().Move(640, 512);
    Click();
    EXPECT_EQ(clicks, 1);
    Engine::cMouseState::Instance().Move(640, 512 + 60);
    Click();
    EXPECT_EQ(clicks, 1);
}

}  // namespace
