// Text layout with a font of fixed 10-pixel advances and 15-pixel lines.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/render/cTextLayout.h"
#include "engine/render/eTextFormat.h"

namespace {

using namespace Engine;

const cTextLayout kLayout([](uint32_t) { return 10; }, 15);
const TextRect kBox{0, 0, 100, 50};

// The placed characters as "c@x,y" words.
std::string Placed(const std::string& text, uint32_t format, const TextRect& rect = kBox) {
    std::string out;
    for (const PlacedGlyph& g : kLayout.Layout(text, rect, format)) {
        if (!out.empty()) out += ' ';
        out += static_cast<char>(g.code) + std::string("@") + std::to_string(g.x) + "," + std::to_string(g.y);
    }
    return out;
}

struct LayoutCase {
    std::string text;
    uint32_t format;
    std::string placed;
};

TEST(TextLayoutTest, FlagsPlaceLinesInTheRectangle) {
    const LayoutCase cases[] = {
        {"ab", TF_Left | TF_Top, "a@0,0 b@10,0"},
        {"ab", TF_Center, "a@40,0 b@50,0"},
        {"ab", TF_Right, "a@80,0 b@90,0"},
        {"ab", TF_VCenter, "a@0,17 b@10,17"},
        {"ab", TF_Bottom, "a@0,35 b@10,35"},
        {"a b", 0, "a@0,0 b@20,0"},
        {"a\nb", 0, "a@0,0 b@0,15"},
        {"a\r\nb", 0, "a@0,0 b@0,15"},
        {"a\nb", TF_SingleLine, "a@0,0 b@20,0"},
        {"aa bb cc", TF_WordBreak, "a@0,0 a@10,0 b@30,0 b@40,0 c@60,0 c@70,0"},
        {"aaa bbb ccc", TF_WordBreak, "a@0,0 a@10,0 a@20,0 b@40,0 b@50,0 b@60,0 c@0,15 c@10,15 c@20,15"},
        {"a\tb", TF_ExpandTabs, "a@0,0 b@80,0"},
        {"a\tb", 0, "a@0,0 b@20,0"},
    };
    for (const LayoutCase& c : cases) EXPECT_EQ(Placed(c.text, c.format), c.placed) << "\"" << c.text << "\"";
}

TEST(TextLayoutTest, WordBreakCentresEachLineAndKeepsALongWordWhole) {
    EXPECT_EQ(Placed("aaaa bb", TF_WordBreak | TF_Center, TextRect{0, 0, 50, 50}),
              "a@5,0 a@15,0 a@25,0 a@35,0 b@15,15 b@25,15");
    EXPECT_EQ(Placed("aaaaaaa b", TF_WordBreak, TextRect{0, 0, 30, 50}),
              "a@0,0 a@10,0 a@20,0 a@30,0 a@40,0 a@50,0 a@60,0 b@0,15");
}

TEST(TextLayoutTest, ARectangleWithoutAreaAlignsOnItsEdges) {
    EXPECT_EQ(Placed("ab", TF_Center | TF_Bottom, TextRect{7, 9, 0, 0}), "a@-3,-6 b@7,-6");
}

TEST(TextLayoutTest, Utf8DecodesAndStrayBytesStandForThemselves) {
    EXPECT_EQ(cTextLayout::DecodeUtf8("\xC3\xA9t\xC3"), (std::vector<uint32_t>{0xE9, 't', 0xC3}));
    EXPECT_EQ(cTextLayout::DecodeUtf8("\xFF\xE2\x82\xAC"), (std::vector<uint32_t>{0xFF, 0x20AC}));
}

}  // namespace
