#include "engine/ui/cGUIKeyboardListener.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "GUIFixture.h"
#include "engine/platform/VirtualKeys.h"

namespace {

using Engine::cGUIKeyboardListener;

TEST(GUITyping, EachKeyChangesTheText) {
    struct Case {
        std::string before;
        int key;
        bool shift;
        std::string after;
    };
    const std::vector<Case> cases{
        {"", Engine::kVK_A, false, "a"},       {"", Engine::kVK_A + 25, true, "Z"},
        {"x", Engine::kVK_0 + 7, false, "x7"}, {"x", Engine::kVK_0 + 7, true, "x7"},
        {"ab", Engine::kVK_BACK, false, "a"},  {"", Engine::kVK_BACK, false, ""},
        {"a", Engine::kVK_TAB, false, "a    "}, {"a", Engine::kVK_SPACE, false, "a "},
        {"1", Engine::kVK_DECIMAL, false, "1."}, {"1", Engine::kVK_F12, false, "1."},
        {"1", Engine::kVK_OEM_PERIOD, true, "1."}, {"ok", Engine::kVK_RETURN, false, "ok"},
        {"ok", Engine::kVK_SHIFT, true, "ok"},  {"ok", 0xBA, false, "ok"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(cGUIKeyboardListener::Typed(c.before, c.key, c.shift), c.after) << "key " << c.key;
    }
}

class GUIKeyboardTest : public GUIFixture {
protected:
    static void Type(int key) {
        Engine::cKeyboardState::Instance().KeyDown(key);
        Engine::cKeyboardState::Instance().KeyUp(key);
    }
};

TEST_F(GUIKeyboardTest, TypingReachesOnlyTheFocusedBox) {
    auto* first = gui().CreateEditableTextbox({0.2f, 0.2f}, "First", 0.1f, 0.1f, 5);
    auto* second = gui().CreateEditableTextbox({0.8f, 0.8f}, "Second", 0.1f, 0.1f, 5);
    Type('H');
    EXPECT_EQ(first->Text(), "");
    gui().SetFocus(first);
    Engine::cKeyboardState::Instance().KeyDown(Engine::kVK_SHIFT);
    Type('H');
    Engine::cKeyboardState::Instance().KeyUp(Engine::kVK_SHIFT);
    for (int key : {int{'I'}, int{'X'}, Engine::kVK_BACK, int{'2'}}) Type(key);
    EXPECT_EQ(first->Text(), "Hi2");
    EXPECT_EQ(second->Text(), "");
}

TEST_F(GUIKeyboardTest, TypingAfterClearReachesNoReusedBox) {
    gui().SetFocus(gui().CreateEditableTextbox({0.2f, 0.2f}, "Old", 0.1f, 0.1f, 5));
    gui().Clear();
    auto* reused = gui().CreateEditableTextbox({0.2f, 0.2f}, "New", 0.1f, 0.1f, 5);
    Type('Q');
    EXPECT_EQ(reused->Text(), "");
}

}  // namespace
