#include "engine/ui/cGUIManager.h"

#include <gtest/gtest.h>

#include "GUIFixture.h"

namespace {

using Engine::cUIElementBase;
using Engine::UIRect;
using Engine::UIVector2;

class GUIManagerTest : public GUIFixture {};

TEST_F(GUIManagerTest, EveryKindIsMadeFoundAndSizedToTheViewport) {
    auto* image = gui().CreateImage({0.5f, 0.5f}, "buttonTS", "Image", 0.2f, 0.1f, 3);
    auto* button = gui().CreateButton({0.25f, 0.5f}, "buttonTS", "Button", "Go", 0.1f, 0.2f, 64, 64, 4);
    auto* text = gui().CreateTextbox("Hello", {0.5f, 0.25f}, "Text", 0.4f, 0.1f, 5);
    auto* box = gui().CreateEditableTextbox({0.75f, 0.75f}, "Edit", 0.2f, 0.1f, 5);
    auto* panel = gui().CreatePanel({0.5f, 0.5f}, "buttonTS", "Panel", 0.5f, 0.5f, 2);
    auto* picture = gui().CreateInteractiveImage({0.1f, 0.1f}, "buttonTS", "Picture", 0.1f, 0.1f, 6);

    const std::vector<std::pair<cUIElementBase*, int32_t>> made{
        {image, cUIElementBase::kImage},     {button, cUIElementBase::kButton},
        {text, cUIElementBase::kTextbox},    {box, cUIElementBase::kEditableTextbox},
        {panel, cUIElementBase::kPanel},     {picture, cUIElementBase::kInteractiveImage}};
    for (const auto& [element, kind] : made) {
        EXPECT_EQ(gui().FindElement(element->name), element) << element->name;
        EXPECT_EQ(element->kind, kind) << element->name;
        EXPECT_TRUE(element->IsVisible()) << element->name;
    }
    EXPECT_EQ(gui().Interactive().size(), 3u);
    EXPECT_EQ(image->Sprite().Width(), 200.0f);
    EXPECT_EQ(image->Sprite().Height(), 50.0f);
    EXPECT_EQ(image->Sprite().transform, &image->transform);
    EXPECT_EQ(image->transform.m[0][3], 500.0f);
    EXPECT_EQ(image->transform.m[1][3], 250.0f);
    EXPECT_EQ(button->hitRect, (UIRect{200.0f, 200.0f, 300.0f, 300.0f}));
    EXPECT_EQ(text->Font().rectangle.x, 300.0f);
    EXPECT_EQ(text->Font().rectangle.w, 150.0f);
    EXPECT_EQ(button->CurrentLook(), "ButtonIdle");
    EXPECT_EQ(box->CurrentLook(), "OffFocus");
}

TEST_F(GUIManagerTest, AMissingNameGivesNullAndALogLine) {
    EXPECT_EQ(gui().FindElement("Nowhere"), nullptr);
    EXPECT_EQ(gui().SetButtonCallback("Nowhere", [](auto*) {}), nullptr);
    EXPECT_NE(EngineLog().find("Error: no GUI element is named \"Nowhere\""), std::string::npos);
}

TEST_F(GUIManagerTest, ButtonCallbacksOnlyGoToButtons) {
    auto* button = gui().CreateButton({0.5f, 0.5f}, "buttonTS", "Play", "Play", 0.1f, 0.1f, 64, 64, 5);
    gui().CreateImage({0.5f, 0.5f}, "buttonTS", "Logo", 0.1f, 0.1f, 5);
    int clicks = 0;
    int hovers = 0;
    EXPECT_EQ(gui().SetButtonCallback("Play", [&](auto*) { ++clicks; }), button);
    EXPECT_EQ(gui().SetButtonHoverCallback("Play", [&](auto*) { ++hovers; }), button);
    EXPECT_EQ(gui().SetButtonCallback("Logo", [&](auto*) { ++clicks; }), nullptr);
    button->onClick(button);
    button->OnMouseOver();
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(hovers, 1);
    EXPECT_EQ(button->CurrentLook(), "ButtonMouseOver");
    button->OnMouseOut();
    EXPECT_EQ(button->CurrentLook(), "ButtonIdle");
    button->OnPress();
    EXPECT_EQ(button->CurrentLook(), "ButtonClicked");
}

TEST_F(GUIManagerTest, ADuplicateNameKeepsTheEarlierElementInTheTable) {
    auto* first = gui().CreateButton({0.2f, 0.2f}, "buttonTS", "Twin", "1", 0.1f, 0.1f, 64, 64, 5);
    auto* second = gui().CreateButton({0.8f, 0.8f}, "buttonTS", "Twin", "2", 0.1f, 0.1f, 64, 64, 5);
    EXPECT_NE(first, second);
    EXPECT_EQ(gui().FindElement("Twin"), first);
    // Destroying the unnamed one leaves the earlier one's entry alone.
    gui().DestroyElement(second);
    EXPECT_EQ(gui().FindElement("Twin"), first);
    gui().DestroyElement(first);
    EXPECT_EQ(gui().FindElement("Twin"), nullptr);
    EXPECT_TRUE(gui().Interactive().empty());
}

TEST_F(GUIManagerTest, ClearReleasesEverythingAndDropsTheFocus) {
    auto* box = gui().CreateEditableTextbox({0.5f, 0.5f}, "Edit", 0.2f, 0.1f, 5);
    gui().SetBackground("buttonTS");
    gui().SetFocus(box);
    EXPECT_EQ(box->CurrentLook(), "OnFocus");
    ASSERT_NE(gui().Background(), nullptr);
    EXPECT_EQ(gui().FindElement("Background"), gui().Background());

    gui().Clear();
    EXPECT_EQ(gui().Focused(), nullptr);
    EXPECT_EQ(gui().Background(), nullptr);
    EXPECT_TRUE(gui().Elements().empty());
    EXPECT_TRUE(gui().Interactive().empty());
    EXPECT_EQ(box->kind, cUIElementBase::kReleased);
    EXPECT_FALSE(box->IsVisible());
    // The pool hands the released box out again.
    EXPECT_EQ(gui().CreateEditableTextbox({0.5f, 0.5f}, "Again", 0.2f, 0.1f, 5), box);
    EXPECT_EQ(gui().Focused(), nullptr);
}

TEST_F(GUIManagerTest, TextAndTextureChangeAtRunTime) {
    auto* button = gui().CreateButton({0.5f, 0.5f}, "buttonTS", "Button", "Old", 0.1f, 0.1f, 64, 64, 5);
    auto* text = gui().CreateTextbox("Old", {0.5f, 0.5f}, "Text", 0.1f, 0.1f, 5);
    auto* image = gui().CreateImage({0.5f, 0.5f}, "buttonTS", "Image", 0.1f, 0.1f, 5);
    EXPECT_TRUE(gui().SetElementText("Button", "New"));
    EXPECT_TRUE(gui().SetElementText("Text", "Newer"));
    EXPECT_FALSE(gui().SetElementText("Image", "No"));
    EXPECT_EQ(button->Text(), "New");
    EXPECT_EQ(text->Text(), "Newer");
    EXPECT_TRUE(gui().SetElementTexture("Image", "textboxTS"));
    ASSERT_NE(image->Sprite().TextureSet(), nullptr);
    EXPECT_EQ(image->Sprite().TextureSet()->Name(), "textboxTS");
    EXPECT_FALSE(gui().SetElementTexture("Text", "buttonTS"));
}

TEST_F(GUIManagerTest, PanelChildrenKeepTheirPlaceVisibilityAndLayer) {
    // 500 x 250 pixels centred at (500, 250): its lower left corner is (250, 125).
    auto* panel = gui().CreatePanel({0.5f, 0.5f}, "buttonTS", "Menu", 0.5f, 0.5f, 4);
    auto* button = panel->AddButton("buttonTS", "Go", 0.1f, 0.1f, {0.0f, 1.0f}, 64, 64);
    auto* image = panel->AddImage({0.5f, 0.5f}, 0.1f, 0.1f, "buttonTS");
    EXPECT_EQ(button->name, "Menu_button_0");
    EXPECT_EQ(image->name, "Menu_image_1");
    EXPECT_EQ(button->parent, panel);
    EXPECT_EQ(button->GetScreenPosition(), (UIVector2{250.0f, 375.0f}));
    EXPECT_EQ(image->GetScreenPosition(), (UIVector2{500.0f, 250.0f}));
    EXPECT_EQ(image->Sprite().Layer(), 5);

    panel->SetPosition({0.25f, 0.5f});
    EXPECT_EQ(button->GetScreenPosition(), (UIVector2{0.0f, 375.0f}));
    EXPECT_EQ(button->hitRect.left, -50.0f);
    panel->SetVisible(false);
    EXPECT_FALSE(button->IsVisible());
    EXPECT_FALSE(image->IsVisible());

    gui().DestroyElement(panel);
    EXPECT_EQ(button->kind, cUIElementBase::kReleased);
    EXPECT_EQ(image->kind, cUIElementBase::kReleased);
    EXPECT_TRUE(gui().Elements().empty());
}

TEST_F(GUIManagerTest, AResizedViewportRefreshesSizesAndHitRectangles) {
    auto* button = gui().CreateButton({0.5f, 0.5f}, "buttonTS", "Button", "", 0.1f, 0.2f, 64, 64, 5);
    auto* twin = gui().CreateImage({0.5f, 0.5f}, "buttonTS", "Button", 0.3f, 0.1f, 5);
    gui().OnViewportResize(Engine::ScreenRect{0.0f, 0.0f, 2000.0f, 1000.0f});
    EXPECT_EQ(twin->Sprite().Width(), 600.0f) << "an element without a table entry is refreshed too";
    EXPECT_EQ(button->Sprite().Width(), 200.0f);
    EXPECT_EQ(button->Sprite().Height(), 200.0f);
    EXPECT_EQ(button->hitRect, (UIRect{900.0f, 400.0f, 1100.0f, 600.0f}));
}

TEST_F(GUIManagerTest, LetterboxedTextSitsOnItsSprite) {
    // A 1280 x 720 picture in the middle of a 1600 x 1024 screen: bars on all four sides.
    gui().OnViewportResize(Engine::ScreenRect{160.0f, 152.0f, 1440.0f, 872.0f});
    auto* button = gui().CreateButton({0.25f, 0.75f}, "buttonTS", "Button", "Go", 0.1f, 0.1f, 64, 64, 5);
    auto* text = gui().CreateTextbox("Hi", {0.5f, 0.5f}, "Text", 0.2f, 0.1f, 5);
    for (const auto& [element, font] :
         {std::pair{static_cast<Engine::cUIElementBase*>(button), &button->Font()}, std::pair{
              static_cast<Engine::cUIElementBase*>(text), &text->Font()}}) {
        const Engine::Vector4& r = font->rectangle;
        EXPECT_FLOAT_EQ((r.x + r.z) / 2.0f, element->transform.m[0][3]) << element->name;
        EXPECT_FLOAT_EQ((r.y + r.w) / 2.0f, element->transform.m[1][3]) << element->name;
    }
    EXPECT_FLOAT_EQ(button->transform.m[0][3], 160.0f + 320.0f);
    EXPECT_FLOAT_EQ(button->transform.m[1][3], 152.0f + 540.0f);
}

}  // namespace
