#pragma once
// cTextLayout: where each character of a text goes inside a rectangle, for
// the eTextFormat flags. Device-neutral: it knows a font only by the advance
// of each character and the line height, and leaves clipping to the device.
//
// Lines break at line feeds (unless TF_SingleLine) and, with TF_WordBreak,
// between words that would pass the right edge; a word wider than the
// rectangle keeps its line to itself. Each line is aligned left, centred or
// right; the block of lines sits at the top, centred or at the bottom. A
// rectangle with no width or height (right <= left, bottom <= top) aligns on
// its left or top edge.
//
// Text is UTF-8; a byte that does not start a valid sequence stands for
// itself (Latin-1), so no text is ever refused.

#include <cstdint>
#include <functional>  // the advance of a character
#include <string>
#include <vector>

namespace Engine {

// A rectangle in pixels from the top left of the back buffer.
struct TextRect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
};

// One character and the top-left corner of its cell.
struct PlacedGlyph {
    uint32_t code = 0;
    int32_t x = 0;
    int32_t y = 0;
};

class cTextLayout {
public:
    using Advance = std::function<int32_t(uint32_t code)>;

    // A layout for a font with these advances and line height.
    cTextLayout(Advance advance, int32_t line_height);

    // Every visible character of text placed in rect (spaces and tabs only move the pen).
    std::vector<PlacedGlyph> Layout(const std::string& text, const TextRect& rect, uint32_t format) const;

    // The code points of UTF-8 text.
    static std::vector<uint32_t> DecodeUtf8(const std::string& text);

private:
    using Line = std::vector<uint32_t>;

    // The text split into lines as the flags say.
    std::vector<Line> BreakLines(const std::vector<uint32_t>& codes, int32_t width, uint32_t format) const;
    // Appends the words of one paragraph as lines no wider than width where possible.
    void WrapParagraph(const Line& paragraph, int32_t width, uint32_t format, std::vector<Line>& lines) const;
    // The advance of one character at a pen position (tabs depend on where they start).
    int32_t AdvanceAt(uint32_t code, int32_t pen, uint32_t format) const;
    // The width of a line.
    int32_t LineWidth(const Line& line, uint32_t format) const;

    Advance advance;
    int32_t line_height;
};

}  // namespace Engine
