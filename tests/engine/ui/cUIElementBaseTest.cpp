#include "engine/ui/cUIElementBase.h"

#include <gtest/gtest.h>

#include "GUIFixture.h"

namespace {

using Engine::cUIElementBase;

class UIElementTest : public GUIFixture {};

TEST_F(UIElementTest, TheTransformScalesTurnsAndMovesInsideTheViewport) {
    gui().OnViewportResize(Engine::ScreenRect{100.0f, 50.0f, 1100.0f, 550.0f});
    auto* image = gui().CreateImage({0.25f, 0.5f}, "buttonTS", "Image", 0.1f, 0.1f, 5);
    EXPECT_EQ(image->transform.m[0][3], 350.0f);
    EXPECT_EQ(image->transform.m[1][3], 300.0f);

    image->SetScale({2.0f, 3.0f});
    EXPECT_FLOAT_EQ(image->transform.m[0][0], 2.0f);
    EXPECT_FLOAT_EQ(image->transform.m[1][1], 3.0f);
    EXPECT_FLOAT_EQ(image->transform.m[2][2], 0.0f);

    // A quarter turn takes the x axis onto y.
    image->rotation = 90.0f;
    image->Refresh();
    EXPECT_NEAR(image->transform.m[0][0], 0.0f, 1e-5f);
    EXPECT_NEAR(image->transform.m[1][0], 2.0f, 1e-5f);
    EXPECT_EQ(image->transform.m[0][3], 350.0f);
}

TEST_F(UIElementTest, ReleaseResetsTheElementAndGivesItsComponentsBack) {
    auto* button = gui().CreateButton({0.3f, 0.6f}, "buttonTS", "Button", "Go", 0.1f, 0.1f, 64, 64, 5);
    gui().DestroyElement(button);
    EXPECT_EQ(button->kind, cUIElementBase::kReleased);
    EXPECT_TRUE(button->name.empty());
    EXPECT_EQ(button->posX, 0.0f);
    EXPECT_EQ(button->width, 0.0f);
    EXPECT_EQ(button->enabled, 0);
    EXPECT_FALSE(button->onClick);
    EXPECT_EQ(button->Sprite().Layer(), Engine::iSpriteLayers::kNoLayer);
    EXPECT_EQ(button->Sprite().TextureSet(), nullptr);
    EXPECT_TRUE(button->Text().empty());
    EXPECT_EQ(layers.events.back(), "remove-text");
}

}  // namespace
