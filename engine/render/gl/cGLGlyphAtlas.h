#pragma once
// cGLGlyphAtlas: one font as an OpenGL texture of pre-rendered characters.
// Characters 32 to 255 (Latin-1) are rendered by SDL2_ttf, anti-aliased, into
// equal cells of a single-channel coverage texture; each keeps its advance.
// A character the font lacks, or any character past 255, is drawn as "?".
//
// The font size is the largest whose lines are at most the requested pixel
// height, so that a 15-pixel font of the game keeps 15-pixel lines.

#include <epoxy/gl.h>  // GLuint

#include <array>
#include <cstdint>
#include <string>

namespace Engine {

class cGLGlyphAtlas {
public:
    // Where a character sits in the atlas and how far it moves the pen.
    struct Glyph {
        int32_t x = 0;
        int32_t y = 0;
        int32_t width = 0;
        int32_t advance = 0;
        bool present = false;
    };

    cGLGlyphAtlas() = default;
    cGLGlyphAtlas(const cGLGlyphAtlas&) = delete;
    cGLGlyphAtlas& operator=(const cGLGlyphAtlas&) = delete;
    ~cGLGlyphAtlas();

    // Renders the characters of a TrueType file; false (logged) when the file
    // cannot be opened or rendered.
    bool Build(const std::string& font_file, int32_t pixel_height, bool italic);

    // The glyph of a character, "?" when the atlas lacks it.
    const Glyph& Find(uint32_t code) const;
    // Pixels from one line to the next; every cell is this tall.
    int32_t LineHeight() const { return line_height; }
    GLuint Texture() const { return texture; }
    int32_t AtlasWidth() const { return atlas_width; }
    int32_t AtlasHeight() const { return atlas_height; }

private:
    static constexpr uint32_t kFirstCode = 32;
    static constexpr uint32_t kLastCode = 255;
    static constexpr uint32_t kColumns = 16;

    std::array<Glyph, kLastCode - kFirstCode + 1> glyphs{};
    int32_t line_height = 0;
    int32_t atlas_width = 0;
    int32_t atlas_height = 0;
    GLuint texture = 0;
};

}  // namespace Engine
