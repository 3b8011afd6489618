#include "engine/render/scene/cFontGfxCmp.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "SpriteFixture.h"
#include "engine/render/iFontManager.h"

namespace {

using Engine::cFontGfxCmp;

// Writes down each text drawn in a rectangle.
class RecordingFonts : public Engine::iFontManager {
public:
    int32_t CreateFont(const std::string&, bool, bool) override { return 0; }
    void DrawTextInRect(const std::string& text, const Engine::Vector4& rectangle, uint32_t format,
                        const Engine::ColorRGBA& colour, int32_t font) override {
        drawn.push_back({text, rectangle, format, colour, font});
    }
    void DrawTextAt(const std::string&, int32_t, int32_t, const Engine::ColorRGBA&, int32_t) override {}
    void OnDeviceLost() override {}
    void OnDeviceReset() override {}
    int32_t GetFontCount() const override { return 1; }

    struct Drawn {
        std::string text;
        Engine::Vector4 rectangle;
        uint32_t format;
        Engine::ColorRGBA colour;
        int32_t font;
    };
    std::vector<Drawn> drawn;
};

class TextTest : public SpriteFixture {
protected:
    void Init(cFontGfxCmp& text, uint8_t layer) {
        text.SetLayers(&layers);
        text.SetFontManager(&fonts);
        text.Initialise("Candy: 12", {10, 20, 210, 60}, 5u, layer);
    }
    RecordingFonts fonts;
};

TEST_F(TextTest, DrawsItsTextInItsRectangleInYellowWithTheDefaultFont) {
    cFontGfxCmp text;
    Init(text, 4);
    EXPECT_EQ(text.kind, cFontGfxCmp::kTextKind);
    text.Draw(renderer);
    ASSERT_EQ(fonts.drawn.size(), 1u);
    const RecordingFonts::Drawn& drawn = fonts.drawn.front();
    EXPECT_EQ(drawn.text, "Candy: 12");
    EXPECT_EQ(drawn.rectangle.x, 10.0f);
    EXPECT_EQ(drawn.rectangle.w, 60.0f);
    EXPECT_EQ(drawn.format, 5u);
    EXPECT_EQ(drawn.font, 0);
    EXPECT_EQ(drawn.colour.r, 1.0f);
    EXPECT_EQ(drawn.colour.g, 1.0f);
    EXPECT_EQ(drawn.colour.b, 0.0f);
    EXPECT_EQ(drawn.colour.a, 1.0f);

    text.visible = false;
    text.Draw(renderer);
    EXPECT_EQ(fonts.drawn.size(), 1u);
    text.Release();
}

TEST_F(TextTest, EntersMovesAndLeavesTextLayers) {
    cFontGfxCmp text;
    Init(text, 4);
    EXPECT_EQ(text.Layer(), 4);
    Init(text, 9);
    EXPECT_EQ(text.Layer(), 9);
    text.Release();
    EXPECT_EQ(text.Layer(), Engine::iSpriteLayers::kNoLayer);
    EXPECT_TRUE(text.text.empty());
    EXPECT_EQ(text.format, 0u);
    EXPECT_FALSE(text.visible);
    EXPECT_EQ(layers.events, (std::vector<std::string>{"add-text 4", "remove-text", "add-text 9", "remove-text"}));
}

TEST_F(TextTest, ALayerOutOfRangeIsLoggedAndLeavesTheTextInNone) {
    cFontGfxCmp text;
    Init(text, 200);
    EXPECT_EQ(text.Layer(), Engine::iSpriteLayers::kNoLayer);
    EXPECT_TRUE(layers.events.empty());
    Engine::cLog::Destroy();
    EXPECT_NE(EngineLog().find("Error: text layer 200"), std::string::npos) << EngineLog();
}

}  // namespace
