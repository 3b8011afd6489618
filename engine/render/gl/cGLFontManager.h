#pragma once
// cGLFontManager: the font manager of the OpenGL device layer. Every font is
// a glyph atlas (cGLGlyphAtlas) of the bundled Liberation Sans Bold, the
// stand-in for the game's "helvetica" bold and for any other face asked for;
// italic fonts slant it.
//
// Text is laid out by cTextLayout and drawn as one batch of textured quads
// with a small program of its own, blended over the frame in back-buffer
// pixels and clipped to its rectangle unless TF_NoClip says otherwise. The
// renderer's states are set again afterwards.
//
// The manager must be made after the renderer is initialised (it makes the
// default font at once) and destroyed before the renderer shuts down.

#include <epoxy/gl.h>  // GLuint

#include <memory>  // std::unique_ptr owns each atlas
#include <string>
#include <vector>

#include "engine/render/cFontManagerBase.h"
#include "engine/render/gl/cGLGlyphAtlas.h"
#include "engine/render/gl/cGLProgram.h"

namespace Engine {

class cGLRenderer;

class cGLFontManager : public cFontManagerBase {
public:
    // Where the game's fonts live, relative to the working directory.
    static constexpr const char* kFontDirectory = "./GameData/Fonts/";
    // The one font file every face is drawn with.
    static constexpr const char* kFontFile = "LiberationSans-Bold.ttf";

    // Starts SDL2_ttf, builds the text program and the default font from the
    // fonts in font_directory.
    explicit cGLFontManager(cGLRenderer& renderer, std::string font_directory = kFontDirectory);
    ~cGLFontManager() override;

    // The atlas of a live font, or null.
    const cGLGlyphAtlas* Atlas(int32_t font) const;

protected:
    bool DeviceCreateFont(int32_t index, const FontDesc& desc) override;
    void DeviceReleaseFonts() override { atlases.clear(); }
    void DeviceDrawText(int32_t font, const std::string& text, const TextRect& rect, uint32_t format,
                        uint32_t colour) override;

private:
    // Builds the quads of the placed glyphs into vertices; the number of vertices.
    std::size_t BuildQuads(const cGLGlyphAtlas& atlas, const std::vector<PlacedGlyph>& glyphs);
    // Sets the GL state for text over the frame, clipped to rect unless format says no.
    void BeginText(const cGLGlyphAtlas& atlas, const TextRect& rect, uint32_t format, uint32_t colour);

    cGLRenderer& renderer;
    std::string directory;
    bool ttf_started = false;
    std::vector<std::unique_ptr<cGLGlyphAtlas>> atlases;
    cGLProgram program;
    GLint surface_size_location = -1;
    GLint colour_location = -1;
    GLuint vertex_array = 0;
    GLuint vertex_buffer = 0;
    std::vector<float> vertices;
};

}  // namespace Engine
