#include "engine/render/gl/cGLFontManager.h"

#include <SDL_ttf.h>

#include "engine/core/cLog.h"
#include "engine/render/DeviceColour.h"
#include "engine/render/eTextFormat.h"
#include "engine/render/gl/cGLRenderer.h"

namespace Engine {

namespace {

constexpr const char* kTextVertexSource = R"(#version 330 core
layout(location = 0) in vec2 pixel;
layout(location = 1) in vec2 atlas_position;
uniform vec2 surface_size;
out vec2 texcoord;
void main() {
    // Pixels from the top left to clip space.
    gl_Position = vec4(pixel.x / surface_size.x * 2.0 - 1.0, 1.0 - pixel.y / surface_size.y * 2.0, 0.0, 1.0);
    texcoord = atlas_position;
}
)";

constexpr const char* kTextFragmentSource = R"(#version 330 core
uniform sampler2D atlas;
uniform vec4 colour;
in vec2 texcoord;
out vec4 fragment;
void main() {
    fragment = vec4(colour.rgb, colour.a * texture(atlas, texcoord).r);
}
)";

// Floats per vertex (pixel x, y, atlas u, v) and vertices per glyph (two triangles).
constexpr std::size_t kFloatsPerVertex = 4;
constexpr std::size_t kVerticesPerGlyph = 6;

bool HasArea(const TextRect& rect) { return rect.right > rect.left && rect.bottom > rect.top; }

}  // namespace

cGLFontManager::cGLFontManager(cGLRenderer& renderer_, std::string font_directory)
    : renderer(renderer_), directory(std::move(font_directory)) {
    if (!renderer.IsInitialised()) {
        LogError("the font manager needs an initialised renderer; no text will be drawn");
        return;
    }
    ttf_started = TTF_Init() == 0;
    if (!ttf_started) LogError(std::string("the font library could not start: ") + TTF_GetError());
    if (program.Build(kTextVertexSource, kTextFragmentSource, "the text program")) {
        surface_size_location = program.Uniform("surface_size");
        colour_location = program.Uniform("colour");
        glUseProgram(program.Name());
        glUniform1i(program.Uniform("atlas"), 0);
        glUseProgram(0);
    }
    glGenVertexArrays(1, &vertex_array);
    glGenBuffers(1, &vertex_buffer);
    glBindVertexArray(vertex_array);
    glBindBuffer(GL_ARRAY_BUFFER, vertex_buffer);
    const auto stride = static_cast<GLsizei>(kFloatsPerVertex * sizeof(float));
    glVertexAttribPointer(0, 2, GL_FLOAT, GL_FALSE, stride, nullptr);
    glVertexAttribPointer(1, 2, GL_FLOAT, GL_FALSE, stride, reinterpret_cast<const void*>(2 * sizeof(float)));
    glEnableVertexAttribArray(0);
    glEnableVertexAttribArray(1);
    renderer.RestoreDeviceState();
    CreateDefaultFont();
}

cGLFontManager::~cGLFontManager() {
    if (!renderer.IsInitialised()) return;
    DeviceReleaseFonts();
    glDeleteBuffers(1, &vertex_buffer);
    glDeleteVertexArrays(1, &vertex_array);
    program.Release();
    if (ttf_started) TTF_Quit();
}

const cGLGlyphAtlas* cGLFontManager::Atlas(int32_t font) const {
    if (font < 0 || static_cast<std::size_t>(font) >= atlases.size()) return nullptr;
    return atlases[static_cast<std::size_t>(font)].get();
}

bool cGLFontManager::DeviceCreateFont(int32_t index, const FontDesc& desc) {
    if (!ttf_started || program.Name() == 0) return false;
    auto atlas = std::make_unique<cGLGlyphAtlas>();
    if (!atlas->Build(directory + kFontFile, kFontHeight, desc.italic)) return false;
    renderer.RestoreDeviceState();
    if (atlases.size() <= static_cast<std::size_t>(index)) atlases.resize(static_cast<std::size_t>(index) + 1);
    atlases[static_cast<std::size_t>(index)] = std::move(atlas);
    return true;
}

void cGLFontManager::DeviceDrawText(int32_t font, const std::string& text, const TextRect& rect, uint32_t format,
                                    uint32_t colour) {
    const cGLGlyphAtlas* atlas = Atlas(font);
    if (atlas == nullptr) return;
    const bool clipped = !(format & TF_NoClip);
    if (clipped && !HasArea(rect)) return;
    const cTextLayout layout([atlas](uint32_t code) { return atlas->Find(code).advance; }, atlas->LineHeight());
    const std::size_t count = BuildQuads(*atlas, layout.Layout(text, rect, format));
    if (count == 0) return;
    BeginText(*atlas, rect, format, colour);
    glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(vertices.size() * sizeof(float)), vertices.data(),
                 GL_STREAM_DRAW);
    glDrawArrays(GL_TRIANGLES, 0, static_cast<GLsizei>(count));
    renderer.RestoreDeviceState();
}

std::size_t cGLFontManager::BuildQuads(const cGLGlyphAtlas& atlas, const std::vector<PlacedGlyph>& glyphs) {
    vertices.clear();
    vertices.reserve(glyphs.size() * kVerticesPerGlyph * kFloatsPerVertex);
    const float u_scale = 1.0f / static_cast<float>(atlas.AtlasWidth());
    const float v_scale = 1.0f / static_cast<float>(atlas.AtlasHeight());
    for (const PlacedGlyph& placed : glyphs) {
        const cGLGlyphAtlas::Glyph& glyph = atlas.Find(placed.code);
        if (glyph.width == 0) continue;
        const auto x0 = static_cast<float>(placed.x);
        const auto y0 = static_cast<float>(placed.y);
        const float x1 = x0 + static_cast<float>(glyph.width);
        const float y1 = y0 + static_cast<float>(atlas.LineHeight());
        const float u0 = static_cast<float>(glyph.x) * u_scale;
        const float v0 = static_cast<float>(glyph.y) * v_scale;
        const float u1 = static_cast<float>(glyph.x + glyph.width) * u_scale;
        const float v1 = static_cast<float>(glyph.y + atlas.LineHeight()) * v_scale;
        const float quad[kVerticesPerGlyph][kFloatsPerVertex] = {
            {x0, y0, u0, v0}, {x1, y0, u1, v0}, {x0, y1, u0, v1},
            {x1, y0, u1, v0}, {x1, y1, u1, v1}, {x0, y1, u0, v1},
        };
        for (const auto& vertex : quad) vertices.insert(vertices.end(), vertex, vertex + kFloatsPerVertex);
    }
    return vertices.size() / kFloatsPerVertex;
}

void cGLFontManager::BeginText(const cGLGlyphAtlas& atlas, const TextRect& rect, uint32_t format, uint32_t colour) {
    const Presentation& surface = renderer.GetPresentation();
    glBindVertexArray(vertex_array);
    glBindBuffer(GL_ARRAY_BUFFER, vertex_buffer);
    glUseProgram(program.Name());
    glUniform2f(surface_size_location, static_cast<float>(surface.width), static_cast<float>(surface.height));
    const ColorRGBA channels = UnpackDeviceColour(colour);
    glUniform4f(colour_location, channels.r, channels.g, channels.b, channels.a);
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, atlas.Texture());
    glViewport(0, 0, surface.width, surface.height);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_CULL_FACE);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glBlendEquation(GL_FUNC_ADD);
    if (format & TF_NoClip) {
        glDisable(GL_SCISSOR_TEST);
        return;
    }
    glEnable(GL_SCISSOR_TEST);
    glScissor(rect.left, surface.height - rect.bottom, rect.right - rect.left, rect.bottom - rect.top);
}

}  // namespace Engine
