// OpenGL textures on real pixels: an image file drawn on a quad through the
// built-in program, stage-0 operations, sampler states, render targets with
// depth surfaces, and textures across a display-mode change.

#include <fstream>
#include <vector>

#include "engine/render/eBufferUsage.h"
#include "engine/render/eClearFlag.h"
#include "engine/render/eDeclType.h"
#include "engine/render/eDeclUsage.h"
#include "engine/render/ePrimitiveType.h"
#include "engine/render/eRenderStateId.h"
#include "engine/render/eTextureOp.h"
#include "engine/render/gl/cGLTextureManager.h"
#include "engine/resource/eSamplerState.h"
#include "engine/resource/eTextureFormat.h"
#include "engine/resource/eTextureType.h"
#include "tests/engine/render/gl/GLFixture.h"

namespace {

using namespace Engine;

struct TexturedVertex {
    float x, y, z, u, v;
};

bool Near(const Pixel& p, int r, int g, int b, int tolerance = 8) {
    return std::abs(p.r - r) <= tolerance && std::abs(p.g - g) <= tolerance && std::abs(p.b - b) <= tolerance;
}

::testing::AssertionResult PixelIs(const Frame& frame, int32_t x, int32_t y, int r, int g, int b) {
    const Pixel p = frame.At(x, y);
    if (Near(p, r, g, b)) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "pixel (" << x << ", " << y << ") is (" << int(p.r) << ", " << int(p.g)
                                         << ", " << int(p.b) << "), not (" << r << ", " << g << ", " << b << ")";
}

// A 2 x 2 picture stored as a 24-bit TGA, bottom row first: top row red,
// green; bottom row blue, white.
void WritePicture(const std::string& path) {
    std::ofstream file(path, std::ios::binary);
    const uint8_t header[18] = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 0, 2, 0, 24, 0};
    const uint8_t bgr_bottom_up[12] = {255, 0, 0, 255, 255, 255,   // blue, white
                                       0, 0, 255, 0, 255, 0};      // red, green
    file.write(reinterpret_cast<const char*>(header), sizeof(header));
    file.write(reinterpret_cast<const char*>(bgr_bottom_up), sizeof(bgr_bottom_up));
}

class GLTextureTest : public GLFixture {
protected:
    void SetUp() override {
        GLFixture::SetUp();
        if (IsSkipped()) return;
        textures = std::make_unique<cGLTextureManager>(*renderer);
    }

    void TearDown() override {
        textures.reset();
        GLFixture::TearDown();
    }

    // A quad over (40, 40)-(120, 120) with texture coordinate (0, 0) at its
    // top left and (1, 1) at its bottom right.
    iVertexBuffer* Quad() {
        cVertexDeclaration* declaration = buffers->TakeVertexDeclaration();
        declaration->AddElement(DU_Position, DT_Float3, 0);
        declaration->AddElement(DU_TexCoord, DT_Float2, 0);
        iVertexBuffer* vertices = buffers->CreateVertexBuffer(declaration, 4, BU_Managed);
        const TexturedVertex corners[4] = {
            {40, 40, 0, 0, 0}, {120, 40, 0, 1, 0}, {40, 120, 0, 0, 1}, {120, 120, 0, 1, 1}};
        vertices->Write(corners, 0, 4);
        return vertices;
    }

    void DrawQuad() {
        iVertexBuffer* vertices = Quad();
        vertices->Bind();
        renderer->DrawPrimitives(PT_TriangleStrip, 0, 2);
    }

    // Llvmpipe's anisotropic filter blurs magnified textures; tests that
    // look at texel centres filter linearly.
    static void LinearFiltering(iTexture* texture) {
        texture->SetSamplerState(SS_MinFilter, SF_Linear);
        texture->SetSamplerState(SS_MagFilter, SF_Linear);
    }

    void ClearTo(float r, float g, float b) { renderer->Clear(CLEAR_All, r, g, b, 1.0f, 1.0f, 0); }

    std::unique_ptr<cGLTextureManager> textures;
};

TEST_F(GLTextureTest, AnImageDrawnOnAQuadLandsOnItsPixelsWithTheBottomRowAtCoordinateZero) {
    WritePicture(dir.File("picture.tga"));
    iTexture* picture = textures->LoadTexture("picture.tga", dir.Path().string() + "/");
    ASSERT_NE(picture, nullptr) << EngineLog();
    LinearFiltering(picture);
    ASSERT_TRUE(renderer->BeginFrame());
    ClearTo(0, 0, 0);
    picture->Bind();
    DrawQuad();
    const Frame frame = Capture();
    // Quadrant centres: within a pixel of texel centres.
    EXPECT_TRUE(PixelIs(frame, 60, 60, 0, 0, 255)) << "coordinate (0, 0) is the picture's bottom left";
    EXPECT_TRUE(PixelIs(frame, 100, 60, 255, 255, 255));
    EXPECT_TRUE(PixelIs(frame, 60, 100, 255, 0, 0));
    EXPECT_TRUE(PixelIs(frame, 100, 100, 0, 255, 0));
    EXPECT_TRUE(PixelIs(frame, 130, 60, 0, 0, 0)) << "nothing outside the quad";

    picture->Unbind();
    ClearTo(0, 0, 0);
    DrawQuad();
    EXPECT_TRUE(PixelIs(Capture(), 60, 60, 255, 255, 255)) << "without a texture the quad is the material colour";
    renderer->EndFrame();
}

TEST_F(GLTextureTest, StageZeroOperationsCombineTheTextureWithTheDiffuseColour) {
    WritePicture(dir.File("picture.tga"));
    iTexture* picture = textures->LoadTexture("picture.tga", dir.Path().string() + "/");
    ASSERT_NE(picture, nullptr);
    LinearFiltering(picture);
    ASSERT_TRUE(renderer->BeginFrame());
    renderer->SetMaterial({0, 0, 0, 1}, {0.5f, 0.0f, 0.0f, 1.0f}, {0, 0, 0, 1}, {0, 0, 0, 1}, 0);
    picture->Bind();
    struct Case {
        int32_t op;
        int r, g, b;  // at the blue texel
    };
    const Case cases[] = {{TOP_Modulate, 0, 0, 0}, {TOP_Add, 128, 0, 255}, {TOP_SelectArg1, 0, 0, 255}};
    for (const Case& c : cases) {
        textures->SetColorOp(0, c.op, TA_Diffuse);
        ClearTo(0, 0, 0);
        DrawQuad();
        EXPECT_TRUE(PixelIs(Capture(), 60, 60, c.r, c.g, c.b)) << "operation " << c.op;
    }
    renderer->EndFrame();
}

TEST_F(GLTextureTest, SamplerStatesOfTheStageReachTheBoundTexture) {
    // A 2 x 1 texture, red then green, stretched over 80 pixels.
    const uint8_t bgra[8] = {0, 0, 255, 255, 0, 255, 0, 255};
    iTexture* strip = textures->CreateTexture("strip", TT_2D, 2, 1, TF_RGB8, bgra);
    ASSERT_NE(strip, nullptr);
    ASSERT_TRUE(renderer->BeginFrame());
    strip->Bind();
    ClearTo(0, 0, 0);
    DrawQuad();
    const Pixel filtered = Capture().At(79, 80);
    EXPECT_TRUE(filtered.r > 40 && filtered.g > 40) << "the default filter blends the two texels at their border";

    strip->SetSamplerState(SS_MinFilter, SF_Point);
    strip->SetSamplerState(SS_MagFilter, SF_Point);
    ClearTo(0, 0, 0);
    DrawQuad();
    const Frame frame = Capture();
    EXPECT_TRUE(PixelIs(frame, 78, 80, 255, 0, 0));
    EXPECT_TRUE(PixelIs(frame, 82, 80, 0, 255, 0));
    renderer->EndFrame();
}

TEST_F(GLTextureTest, EveryKindOfTextureIsMadeWithoutAGLError) {
    const std::vector<uint8_t> texels(8 * 8 * 4, 200);
    struct Case {
        const char* name;
        int32_t type, width, height, format;
        GLenum target;
    };
    const Case cases[] = {
        {"row", TT_1D, 8, 1, TF_RGB8, GL_TEXTURE_2D},
        {"image", TT_2D, 8, 4, TF_ARGB8, GL_TEXTURE_2D},
        {"floats", TT_2D, 4, 4, TF_R32F, GL_TEXTURE_2D},
        {"sky", TT_Cube, 8, 8, TF_RGB8, GL_TEXTURE_CUBE_MAP},
        {"target", TT_RenderTarget, 8, 8, TF_R32F, GL_TEXTURE_2D},
        {"depth", TT_DepthSurface, 8, 8, 3, GL_TEXTURE_2D},
    };
    for (const Case& c : cases) {
        iTexture* made = textures->CreateTexture(c.name, c.type, c.width, c.height, c.format, texels.data());
        auto* texture = static_cast<cGLTexture*>(made);
        ASSERT_NE(texture, nullptr) << c.name << ": " << EngineLog();
        EXPECT_EQ(texture->GLTarget(), c.target) << c.name;
        EXPECT_TRUE(glIsTexture(texture->GLName())) << c.name;
        EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR)) << c.name;
    }
    // A cube on stage 0 is no 2D texture: the built-in program draws the material colour.
    ASSERT_TRUE(renderer->BeginFrame());
    ClearTo(0, 0, 0);
    textures->FindTexture("sky")->Bind();
    DrawQuad();
    EXPECT_TRUE(PixelIs(Capture(), 60, 60, 255, 255, 255));
    renderer->EndFrame();
    iTexture* sky = textures->FindTexture("sky");
    const GLuint name = static_cast<cGLTexture*>(sky)->GLName();
    textures->Release(sky);
    EXPECT_FALSE(glIsTexture(name)) << "the last release deletes the texture object";
    EXPECT_EQ(renderer->Texture(0), 0u) << "and no stage still names it";
}

TEST_F(GLTextureTest, ARenderTargetWithItsDepthSurfaceIsDrawnIntoAndThenSampled) {
    iTexture* map = textures->CreateTexture("map", TT_RenderTarget, 64, 64, TF_ARGB8, nullptr);
    iTexture* depth = textures->CreateTexture("mapstencildepthmap", TT_DepthSurface, 64, 64, 3, nullptr);
    ASSERT_NE(map, nullptr) << EngineLog();
    ASSERT_NE(depth, nullptr) << EngineLog();
    ASSERT_TRUE(renderer->BeginFrame());
    ClearTo(0, 0, 0);
    renderer->SetViewport(10, 10, 200, 100);

    map->BeginRenderTarget();
    depth->BeginDepthTarget();
    EXPECT_EQ(renderer->GetViewport().width, 64) << "a new target is drawn whole";
    ClearTo(1, 1, 0);
    depth->EndTarget();
    map->EndTarget();
    EXPECT_EQ(renderer->GetViewport().width, kWidth) << "the back buffer is drawn whole again";

    map->Bind();
    DrawQuad();
    const Frame frame = Capture();
    EXPECT_TRUE(PixelIs(frame, 60, 60, 255, 255, 0));
    EXPECT_TRUE(PixelIs(frame, 200, 200, 0, 0, 0)) << "the target's clear stayed in the target";
    renderer->EndFrame();
}

TEST_F(GLTextureTest, AViewportInARenderTargetCountsRowsFromTheTargetsTopInGLsOrientation) {
    iTexture* map = textures->CreateTexture("map", TT_RenderTarget, 64, 64, TF_ARGB8, nullptr);
    ASSERT_NE(map, nullptr);
    ASSERT_TRUE(renderer->BeginFrame());
    map->BeginRenderTarget();
    ClearTo(0, 0, 0);
    ASSERT_TRUE(renderer->SetViewport(0, 0, 32, 32));
    ClearTo(1, 0, 1);
    map->EndTarget();

    ClearTo(0, 0, 0);
    map->Bind();
    DrawQuad();
    const Frame frame = Capture();
    // The top of a target is drawn into its last rows, texture coordinate 1,
    // which the quad shows at its bottom.
    EXPECT_TRUE(PixelIs(frame, 60, 100, 255, 0, 255));
    EXPECT_TRUE(PixelIs(frame, 60, 60, 0, 0, 0));
    EXPECT_TRUE(PixelIs(frame, 100, 100, 0, 0, 0));
    renderer->EndFrame();
}

TEST_F(GLTextureTest, TexturesStayDrawableAcrossADisplayModeChangeAndRenderTargetsAreRemade) {
    if (std::string(SDL_GetCurrentVideoDriver()) != "x11") {
        GTEST_SKIP() << "the offscreen driver cannot resize its surface; this needs a display (Xvfb)";
    }
    WritePicture(dir.File("picture.tga"));
    iTexture* picture = textures->LoadTexture("picture.tga", dir.Path().string() + "/");
    iTexture* map = textures->CreateTexture("map", TT_RenderTarget, 32, 32, TF_ARGB8, nullptr);
    ASSERT_NE(picture, nullptr);
    ASSERT_NE(map, nullptr);
    const auto* gl_map = static_cast<cGLTexture*>(map);
    textures->GetDevice().SetSamplerState(0, SS_AddressU, SA_Wrap);

    cWindow::Instance().ApplyWindowMode(400, 300);
    ASSERT_TRUE(renderer->BeginFrame());
    ASSERT_EQ(renderer->GetPresentation().width, 400);
    EXPECT_NE(gl_map->GLName(), 0u) << "the render target was made again";
    EXPECT_EQ(textures->GetDevice().SamplerState(0, SS_AddressU), SA_Clamp) << "default sampler states again";
    renderer->SetOrthographic(0, 400, 300, 0, -1.0f, 1.0f);
    LinearFiltering(picture);

    map->BeginRenderTarget();
    ClearTo(0, 1, 1);
    map->EndTarget();
    ClearTo(0, 0, 0);
    picture->Bind();
    DrawQuad();
    Frame frame = Capture();
    EXPECT_TRUE(PixelIs(frame, 60, 60, 0, 0, 255));
    EXPECT_TRUE(PixelIs(frame, 100, 100, 0, 255, 0));
    map->Bind();
    DrawQuad();
    frame = Capture();
    EXPECT_TRUE(PixelIs(frame, 80, 80, 0, 255, 255)) << "the remade target is drawn into and sampled";
    renderer->EndFrame();
}

}  // namespace
