// The built-in program's lighting on real pixels: small quads with normals
// in the window's pixel space (x right, y down, z toward the viewer) lit by
// the renderer's light slots with the Lighting state on: emissive and
// ambient colours, directional lights and the world matrix's effect on
// normals, point-light attenuation and range, spot cones, several lights,
// and the unlit colour when Lighting is off or a vertex has no normal.

#include <algorithm>  // std::clamp
#include <cmath>
#include <cstdlib>  // std::abs
#include <vector>

#include "engine/core/MathConstants.h"
#include "engine/render/RenderLight.h"
#include "engine/render/eBufferUsage.h"
#include "engine/render/eClearFlag.h"
#include "engine/render/eDeclType.h"
#include "engine/render/eDeclUsage.h"
#include "engine/render/eMatrixMode.h"
#include "engine/render/ePrimitiveType.h"
#include "engine/render/eRenderStateId.h"
#include "tests/engine/render/gl/GLFixture.h"

namespace {

using namespace Engine;

// The quads sit around the middle of the window.
constexpr float kCentreX = 160.0f;
constexpr float kCentreY = 120.0f;

struct LitVertex {
    float x, y, z;
    float nx, ny, nz;
};

struct ColouredLitVertex {
    float x, y, z;
    float nx, ny, nz;
    uint32_t colour;  // 0xAARRGGBB
};

// A colour channel in 0..1 as the 8-bit back buffer holds it.
int Byte(float channel) { return static_cast<int>(std::lround(std::clamp(channel, 0.0f, 1.0f) * 255.0f)); }

// True when every channel of the pixel is within tolerance of the colour.
::testing::AssertionResult Near(const Pixel& p, float r, float g, float b, int tolerance = 2) {
    if (std::abs(p.r - Byte(r)) <= tolerance && std::abs(p.g - Byte(g)) <= tolerance &&
        std::abs(p.b - Byte(b)) <= tolerance)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "pixel (" << int(p.r) << ", " << int(p.g) << ", " << int(p.b)
                                         << ") expected (" << Byte(r) << ", " << Byte(g) << ", " << Byte(b) << ")";
}

RenderLight Directional(const Vector3& direction, const ColorRGBA& diffuse) {
    RenderLight light;
    light.type = RLT_Directional;
    light.direction = direction;
    light.diffuse = diffuse;
    return light;
}

// A white point light straight above the middle of the window at a height.
RenderLight PointAbove(float height, float range, float a0, float a1, float a2) {
    RenderLight light;
    light.type = RLT_Point;
    light.diffuse = {1, 1, 1, 1};
    light.position = {kCentreX, kCentreY, height};
    light.range = range;
    light.attenuation0 = a0;
    light.attenuation1 = a1;
    light.attenuation2 = a2;
    return light;
}

class GLLightingTest : public GLFixture {
protected:
    void SetUp() override {
        GLFixture::SetUp();
        if (IsSkipped()) return;
        ASSERT_TRUE(renderer->BeginFrame());
        // Blue background: a quad drawn black is told apart from no quad.
        renderer->Clear(CLEAR_All, 0, 0, 1, 1, 1, 0);
        renderer->SetRenderState(RS_Lighting, 1);
        // White diffuse, no ambient or emissive unless a test says otherwise.
        renderer->SetMaterial({0, 0, 0, 1}, {1, 1, 1, 1}, {0, 0, 0, 1}, {0, 0, 0, 1}, 0);
    }

    void TearDown() override {
        if (renderer && renderer->IsInitialised()) renderer->EndFrame();
        GLFixture::TearDown();
    }

    // Draws a square of side 2 * half around the middle of the window in the
    // plane z = 0, every corner with the same normal, and reads its centre.
    Pixel DrawQuad(const Vector3& normal, float half = 2.0f, bool with_normal = true) {
        cVertexDeclaration* declaration = buffers->TakeVertexDeclaration();
        declaration->AddElement(DU_Position, DT_Float3, 0);
        declaration->AddElement(with_normal ? DU_Normal : DU_TexCoord, DT_Float3, 0);
        iVertexBuffer* vertices = buffers->CreateVertexBuffer(declaration, 4, BU_Managed);
        const float x0 = kCentreX - half, x1 = kCentreX + half, y0 = kCentreY - half, y1 = kCentreY + half;
        const LitVertex corners[4] = {{x0, y0, 0, normal.x, normal.y, normal.z},
                                      {x1, y0, 0, normal.x, normal.y, normal.z},
                                      {x0, y1, 0, normal.x, normal.y, normal.z},
                                      {x1, y1, 0, normal.x, normal.y, normal.z}};
        vertices->Write(corners, 0, 4);
        vertices->Bind();
        renderer->DrawPrimitives(PT_TriangleStrip, 0, 2);
        return Capture().At(static_cast<int32_t>(kCentreX), static_cast<int32_t>(kCentreY));
    }

    // Lights slot 0 only, with the given light.
    void OnlyLight(const RenderLight& light) {
        for (uint32_t slot = 1; slot < cRendererBase::kLightSlots; ++slot) renderer->LightEnable(slot, false);
        renderer->SetLight(0, light);
        renderer->LightEnable(0, true);
    }

    // A world matrix that applies m about the middle of the window.
    static Matrix4x4 AboutCentre(const Matrix4x4& m) {
        const Vector3 centre{kCentreX, kCentreY, 0};
        return Matrix4x4::Translation(centre) * m * Matrix4x4::Translation(-centre);
    }
};

TEST_F(GLLightingTest, WithoutLightsOnlyTheEmissiveAndTheAmbientColoursShow) {
    struct Case {
        const char* what;
        ColorRGBA emissive;
        ColorRGBA material_ambient;
        ColorRGBA global_ambient;
        ColorRGBA expected;
    };
    const Case cases[] = {
        {"nothing: black", {0, 0, 0, 1}, {1, 1, 1, 1}, {0, 0, 0, 1}, {0, 0, 0, 1}},
        {"emissive", {0.2f, 0.4f, 0.6f, 1}, {1, 1, 1, 1}, {0, 0, 0, 1}, {0.2f, 0.4f, 0.6f, 1}},
        {"material ambient * global ambient", {0, 0, 0, 1}, {1, 1, 0.5f, 1}, {0.5f, 0.25f, 1, 1},
         {0.5f, 0.25f, 0.5f, 1}},
        {"both add", {0.2f, 0, 0, 1}, {0.5f, 0.5f, 0.5f, 1}, {0.5f, 0.5f, 0.5f, 1}, {0.45f, 0.25f, 0.25f, 1}},
        {"clamped at white", {0.8f, 0.8f, 0.8f, 1}, {1, 1, 1, 1}, {0.8f, 0.8f, 0.8f, 1}, {1, 1, 1, 1}},
    };
    for (const Case& c : cases) {
        renderer->SetMaterial(c.material_ambient, {1, 1, 1, 1}, {0, 0, 0, 1}, c.emissive, 0);
        renderer->SetAmbient(c.global_ambient);
        EXPECT_TRUE(Near(DrawQuad({0, 0, 1}), c.expected.r, c.expected.g, c.expected.b)) << c.what;
    }
}

TEST_F(GLLightingTest, WithLightingOffOrWithoutNormalsTheUnlitColourDraws) {
    OnlyLight(Directional({0, 0, 1}, {1, 1, 1, 1}));  // shines on the back: lit, the quad would be black
    renderer->SetMaterial({0, 0, 0, 1}, {1, 0, 1, 1}, {0, 0, 0, 1}, {0, 0, 0, 1}, 0);
    struct Case {
        const char* what;
        int32_t lighting;
        bool with_normal;
        ColorRGBA expected;
    };
    const Case cases[] = {
        {"lit", 1, true, {0, 0, 0, 1}},
        {"lighting off", 0, true, {1, 0, 1, 1}},
        {"no normal", 1, false, {1, 0, 1, 1}},
    };
    for (const Case& c : cases) {
        renderer->SetRenderState(RS_Lighting, c.lighting);
        EXPECT_TRUE(Near(DrawQuad({0, 0, 1}, 2.0f, c.with_normal), c.expected.r, c.expected.g, c.expected.b))
            << c.what;
    }
}

TEST_F(GLLightingTest, ADirectionalLightLightsByTheAngleOfTheNormalTurnedByTheWorldMatrix) {
    // Light falling along -z: a normal toward +z faces it.
    OnlyLight(Directional({0, 0, -3}, {0.5f, 0.5f, 0.5f, 1}));
    const float s = std::sqrt(0.5f);
    struct Case {
        const char* what;
        Vector3 normal;
        Matrix4x4 world;
        float expected;  // in every channel
    };
    const Case cases[] = {
        {"facing the light", {0, 0, 1}, Matrix4x4::Identity(), 0.5f},
        {"at 60 degrees", {std::sin(DegToRad(60)), 0, std::cos(DegToRad(60))}, Matrix4x4::Identity(), 0.25f},
        {"edge on", {1, 0, 0}, Matrix4x4::Identity(), 0},
        {"facing away", {0, 0, -1}, Matrix4x4::Identity(), 0},
        {"facing away, turned round by the world", {0, 0, -1}, AboutCentre(Matrix4x4::RotationY(kPi)), 0.5f},
        {"a normal of length 3", {0, 0, 3}, Matrix4x4::Identity(), 0.5f},
        {"shrunk by the world", {0, 0, 1}, AboutCentre(Matrix4x4::Scaling({0.5f, 0.5f, 0.5f})), 0.5f},
        // The inverse transpose of a stretch along x halves the normal's x:
        // (s, 0, s) becomes (0.5 s, 0, s), at cos = 2 / sqrt(5) to the light.
        {"stretched by the world", {s, 0, s}, AboutCentre(Matrix4x4::Scaling({2, 1, 1})), 0.5f * 0.894427f},
    };
    for (const Case& c : cases) {
        renderer->SetMatrix(MM_World, c.world, 0);
        EXPECT_TRUE(Near(DrawQuad(c.normal), c.expected, c.expected, c.expected)) << c.what;
    }
}

TEST_F(GLLightingTest, LightAndMaterialColoursMultiplyAndALightsAmbientAddsEvenFacingAway) {
    RenderLight light = Directional({0, 0, -1}, {1, 0.5f, 1, 1});
    light.ambient = {0.2f, 0.4f, 0.2f, 1};
    OnlyLight(light);
    renderer->SetMaterial({1, 0.5f, 0, 1}, {1, 1, 0.5f, 1}, {0, 0, 0, 1}, {0, 0, 0, 1}, 0);
    EXPECT_TRUE(Near(DrawQuad({0, 0, 1}), 1.0f, 0.7f, 0.5f)) << "facing: diffuse (1, 0.5, 0.5) + ambient";
    EXPECT_TRUE(Near(DrawQuad({0, 0, -1}), 0.2f, 0.2f, 0.0f)) << "facing away: the ambient part only";
}

TEST_F(GLLightingTest, AVertexColourIsTheDiffuseColourThatIsLit) {
    OnlyLight(Directional({0, 0, -1}, {0.5f, 0.5f, 0.5f, 1}));
    renderer->SetMaterial({0, 0, 0, 1}, {1, 0, 0, 1}, {0, 0, 0, 1}, {0, 0, 0, 1}, 0);
    cVertexDeclaration* declaration = buffers->TakeVertexDeclaration();
    declaration->AddElement(DU_Position, DT_Float3, 0);
    declaration->AddElement(DU_Normal, DT_Float3, 0);
    declaration->AddElement(DU_Colour, DT_PackedColour, 0);
    iVertexBuffer* vertices = buffers->CreateVertexBuffer(declaration, 3, BU_Managed);
    const ColouredLitVertex corners[3] = {
        {20, 20, 0, 0, 0, 1, 0xFF00FF00u}, {120, 20, 0, 0, 0, 1, 0xFF00FF00u}, {20, 120, 0, 0, 0, 1, 0xFF00FF00u}};
    vertices->Write(corners, 0, 3);
    vertices->Bind();
    renderer->DrawPrimitives(PT_TriangleList, 0, 1);
    EXPECT_TRUE(Near(Capture().At(40, 40), 0, 0.5f, 0));
}

TEST_F(GLLightingTest, APointLightAttenuatesWithDistanceAndReachesNoFartherThanItsRange) {
    // The light stands 50 above the quad's middle; every corner of the small
    // quad is sqrt(50^2 + 2^2 + 2^2) away and sees it at cos = 50 / d.
    const float d = std::sqrt(2508.0f);
    const float facing = 50.0f / d;
    struct Case {
        const char* what;
        RenderLight light;
        float expected;
    };
    const Case cases[] = {
        {"no attenuation factors: none", PointAbove(50, 100, 0, 0, 0), facing},
        {"constant", PointAbove(50, 100, 2, 0, 0), facing / 2},
        {"linear", PointAbove(50, 100, 0, 0.02f, 0), facing / (0.02f * d)},
        {"quadratic", PointAbove(50, 100, 0, 0, 0.0005f), facing / (0.0005f * d * d)},
        {"all three", PointAbove(50, 100, 0.5f, 0.01f, 0.0001f), facing / (0.5f + 0.01f * d + 0.0001f * d * d)},
        {"just within range", PointAbove(50, d + 0.5f, 1, 0, 0), facing},
        {"beyond range", PointAbove(50, 45, 1, 0, 0), 0},
        {"farther up, dimmer", PointAbove(100, 200, 0, 0.02f, 0), 100.0f / (0.02f * 10008.0f)},
    };
    for (const Case& c : cases) {
        OnlyLight(c.light);
        EXPECT_TRUE(Near(DrawQuad({0, 0, 1}), c.expected, c.expected, c.expected)) << c.what;
    }
    RenderLight beyond = PointAbove(50, 45, 1, 0, 0);
    beyond.ambient = {1, 1, 1, 1};
    OnlyLight(beyond);
    renderer->SetMaterial({1, 1, 1, 1}, {1, 1, 1, 1}, {0, 0, 0, 1}, {0, 0, 0, 1}, 0);
    EXPECT_TRUE(Near(DrawQuad({0, 0, 1}), 0, 0, 0)) << "beyond its range a light gives no ambient either";
}

// Cone angles are whole angles: a spot lights fully within half of the inner
// one and nothing beyond half of the outer one, as the shipped shaders read them.
TEST_F(GLLightingTest, ASpotLightsFullyInsideItsInnerConeFadesToItsOuterConeAndLightsNothingBeyond) {
    struct Case {
        const char* what;
        float off_axis_degrees;  // angle between the spot's axis and the quad
        float inner_degrees;
        float outer_degrees;
        float falloff;
        float expected;
    };
    const float fade = (std::cos(DegToRad(10)) - std::cos(DegToRad(15))) /
                       (std::cos(DegToRad(5)) - std::cos(DegToRad(15)));
    const Case cases[] = {
        {"on the axis", 0, 10, 30, 1, 1},
        {"inside half the inner cone", 4, 10, 30, 1, 1},
        {"between the cones", 10, 10, 30, 1, fade},
        {"between the cones, falloff 2", 10, 10, 30, 2, fade * fade},
        // Lit if the angles were half angles (20 lies between 10 and 30).
        {"beyond half the outer cone", 20, 10, 30, 1, 0},
        {"inner wider than outer: a hard edge, inside", 12, 40, 30, 1, 1},
        {"inner wider than outer: a hard edge, outside", 16, 40, 30, 1, 0},
    };
    for (const Case& c : cases) {
        // Straight above the quad, far enough that its corners lie at almost
        // the same angle; the axis leans away from the quad by the angle.
        RenderLight spot = PointAbove(1000, 2000, 0, 0, 0);
        spot.type = RLT_Spot;
        const float lean = DegToRad(c.off_axis_degrees);
        spot.direction = {std::sin(lean), 0, -std::cos(lean)};
        spot.theta = DegToRad(c.inner_degrees);
        spot.phi = DegToRad(c.outer_degrees);
        spot.falloff = c.falloff;
        OnlyLight(spot);
        EXPECT_TRUE(Near(DrawQuad({0, 0, 1}), c.expected, c.expected, c.expected, 3)) << c.what;
    }
}

TEST_F(GLLightingTest, EnabledLightsAddUpAndSwitchedOffOrUnusableOnesDoNot) {
    renderer->SetLight(2, Directional({0, 0, -1}, {0.25f, 0, 0, 1}));
    renderer->SetLight(6, Directional({0, 0, -1}, {0, 0.5f, 0, 1}));
    RenderLight aimless = Directional({0, 0, 0}, {0, 0, 1, 1});  // no direction: lights nothing
    renderer->SetLight(4, aimless);
    renderer->LightEnable(4, true);
    struct Case {
        bool slot2;
        bool slot6;
        ColorRGBA expected;
    };
    const Case cases[] = {
        {false, false, {0, 0, 0, 1}},
        {true, false, {0.25f, 0, 0, 1}},
        {false, true, {0, 0.5f, 0, 1}},
        {true, true, {0.25f, 0.5f, 0, 1}},
    };
    for (const Case& c : cases) {
        renderer->LightEnable(2, c.slot2);
        renderer->LightEnable(6, c.slot6);
        EXPECT_TRUE(Near(DrawQuad({0, 0, 1}), c.expected.r, c.expected.g, c.expected.b))
            << "slot 2 " << c.slot2 << ", slot 6 " << c.slot6;
    }
    EXPECT_NE(EngineLog().find("The light in slot 4 lights nothing: it has no direction"), std::string::npos);
}

}  // namespace
