#include "engine/render/gl/cGLGlyphAtlas.h"

#include <SDL.h>
#include <SDL_ttf.h>

#include <algorithm>  // std::max
#include <vector>

#include "engine/core/cLog.h"

namespace Engine {

namespace {

// The smallest font size tried; below it text is unreadable anyway.
constexpr int kSmallestSize = 6;

// Sets the largest size whose line height is at most pixel_height.
void FitSize(TTF_Font* font, int32_t pixel_height) {
    for (int size = std::max(kSmallestSize, static_cast<int>(pixel_height)); size >= kSmallestSize; --size) {
        TTF_SetFontSize(font, size);
        if (TTF_FontHeight(font) <= pixel_height) return;
    }
}

// The coverage (alpha) of one rendered ARGB8888 pixel.
uint8_t Coverage(const SDL_Surface& surface, int x, int y) {
    const auto* row = static_cast<const uint8_t*>(surface.pixels) + static_cast<std::ptrdiff_t>(y) * surface.pitch;
    return static_cast<uint8_t>(reinterpret_cast<const uint32_t*>(row)[x] >> 24);
}

}  // namespace

cGLGlyphAtlas::~cGLGlyphAtlas() {
    if (texture != 0) glDeleteTextures(1, &texture);
}

bool cGLGlyphAtlas::Build(const std::string& font_file, int32_t pixel_height, bool italic) {
    TTF_Font* font = TTF_OpenFont(font_file.c_str(), pixel_height);
    if (font == nullptr) {
        LogError("the font file " + font_file + " cannot be opened: " + TTF_GetError());
        return false;
    }
    FitSize(font, pixel_height);
    if (italic) TTF_SetFontStyle(font, TTF_STYLE_ITALIC);
    line_height = TTF_FontHeight(font);

    std::array<SDL_Surface*, kLastCode - kFirstCode + 1> rendered{};
    int32_t cell_width = 1;
    const SDL_Color white{255, 255, 255, 255};
    for (uint32_t code = kFirstCode; code <= kLastCode; ++code) {
        Glyph& glyph = glyphs[code - kFirstCode];
        int minx = 0, maxx = 0, miny = 0, maxy = 0, advance = 0;
        if (!TTF_GlyphIsProvided32(font, code) || TTF_GlyphMetrics32(font, code, &minx, &maxx, &miny, &maxy, &advance)) {
            continue;
        }
        glyph.advance = advance;
        glyph.present = true;
        SDL_Surface* surface = TTF_RenderGlyph32_Blended(font, code, white);
        if (surface == nullptr) continue;
        rendered[code - kFirstCode] = SDL_ConvertSurfaceFormat(surface, SDL_PIXELFORMAT_ARGB8888, 0);
        SDL_FreeSurface(surface);
        if (rendered[code - kFirstCode] != nullptr) cell_width = std::max(cell_width, rendered[code - kFirstCode]->w);
    }
    TTF_CloseFont(font);

    const uint32_t rows = (kLastCode - kFirstCode + kColumns) / kColumns;
    atlas_width = cell_width * static_cast<int32_t>(kColumns);
    atlas_height = line_height * static_cast<int32_t>(rows);
    std::vector<uint8_t> coverage(static_cast<std::size_t>(atlas_width) * atlas_height, 0);
    for (uint32_t i = 0; i < rendered.size(); ++i) {
        Glyph& glyph = glyphs[i];
        glyph.x = static_cast<int32_t>(i % kColumns) * cell_width;
        glyph.y = static_cast<int32_t>(i / kColumns) * line_height;
        SDL_Surface* surface = rendered[i];
        if (surface == nullptr) continue;
        glyph.width = surface->w;
        SDL_LockSurface(surface);
        for (int y = 0; y < std::min(surface->h, line_height); ++y) {
            for (int x = 0; x < surface->w; ++x) {
                coverage[static_cast<std::size_t>(glyph.y + y) * atlas_width + glyph.x + x] = Coverage(*surface, x, y);
            }
        }
        SDL_UnlockSurface(surface);
        SDL_FreeSurface(surface);
    }

    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_R8, atlas_width, atlas_height, 0, GL_RED, GL_UNSIGNED_BYTE, coverage.data());
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glBindTexture(GL_TEXTURE_2D, 0);
    return true;
}

const cGLGlyphAtlas::Glyph& cGLGlyphAtlas::Find(uint32_t code) const {
    if (code >= kFirstCode && code <= kLastCode && glyphs[code - kFirstCode].present) return glyphs[code - kFirstCode];
    return glyphs['?' - kFirstCode];
}

}  // namespace Engine
