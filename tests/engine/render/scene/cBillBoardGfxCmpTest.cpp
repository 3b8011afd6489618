#include "engine/render/scene/cBillBoardGfxCmp.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "SpriteFixture.h"
#include "engine/render/eMatrixMode.h"
#include "engine/render/iVertexBuffer.h"
#include "engine/render/scene/cCameraGfxCmp.h"
#include "engine/render/scene/iCameraSlot.h"
#include "engine/resource/cMesh.h"

namespace {

using Engine::cBillBoardGfxCmp;
using Engine::Matrix4x4;
using Engine::Vector3;

// The billboard quad's corners for half extents (1, 1).
const std::array<Vector3, 4> kCorners{{{-1, 1, 0}, {1, 1, 0}, {-1, -1, 0}, {1, -1, 0}}};

class OneCameraSlot : public Engine::iCameraSlot {
public:
    Engine::cCameraGfxCmp* ActiveCamera() const override { return camera; }
    void SetCamera(Engine::cCameraGfxCmp* new_camera) override { camera = new_camera; }
    Engine::cCameraGfxCmp* camera = nullptr;
};

struct FacingCase {
    Vector3 position;
    Vector3 eye;
    float height_offset;
};

TEST(BillboardFacingTest, CameraFacingCornersLiePerpendicularToTheView) {
    const FacingCase cases[] = {
        {{0, 0, 0}, {0, 0, 10}, 0.0f},   {{1, 2, 3}, {-4, 2, 9}, 0.5f},  {{5, 0, -2}, {5, 8, 4}, 0.0f},
        {{0, 1, 0}, {-10, 3, -10}, 2.0f}, {{-3, -1, 7}, {2, 6, -5}, -1.0f},
        // Straight above and straight below: still facing the eye at full size.
        {{1, 0, 1}, {1, 20, 1}, 0.0f},    {{1, 0, 1}, {1, -5, 1}, 0.0f},
    };
    for (const FacingCase& c : cases) {
        const Matrix4x4 facing = cBillBoardGfxCmp::FacingMatrix(c.position, c.eye, false, c.height_offset);
        const Vector3 centre{c.position.x, c.position.y + c.height_offset, c.position.z};
        const Vector3 view = Engine::Normalise(c.eye - c.position);
        for (const Vector3& corner : kCorners) {
            const Vector3 placed = facing.TransformPoint(corner);
            // Every corner is off the centre by sqrt(2) in the plane perpendicular to the view.
            EXPECT_NEAR(Engine::Dot(placed - centre, view), 0.0f, 1e-5f);
            EXPECT_NEAR(Engine::Length(placed - centre), std::sqrt(2.0f), 1e-5f);
        }
        // The quad's facing side (local +z) points at the eye, its top (local +y) has no sideways tilt.
        EXPECT_NEAR(Engine::Dot(facing.TransformDirection({0, 0, 1}), view), 1.0f, 1e-5f);
        const Vector3 side = facing.TransformDirection({1, 0, 0});
        EXPECT_NEAR(side.y, 0.0f, 1e-5f);
        EXPECT_GE(facing.TransformDirection({0, 1, 0}).y, -1e-6f);
    }
}

TEST(BillboardFacingTest, ALevelCameraSeesAnUprightQuad) {
    const Matrix4x4 facing = cBillBoardGfxCmp::FacingMatrix({0, 0, 0}, {0, 0, 10}, false, 0.0f);
    const Vector3 top = facing.TransformDirection({0, 1, 0});
    EXPECT_NEAR(top.x, 0.0f, 1e-6f);
    EXPECT_NEAR(top.y, 1.0f, 1e-6f);
    EXPECT_NEAR(top.z, 0.0f, 1e-6f);
    const Vector3 side = facing.TransformDirection({1, 0, 0});
    EXPECT_NEAR(side.x, -1.0f, 1e-6f);
}

TEST(BillboardFacingTest, AFlatQuadLiesOnTheGroundFacingUpWhereverTheEyeIs) {
    const Vector3 eyes[] = {{0, 0, 10}, {5, 20, -3}, {0, -4, 0}};
    for (const Vector3& eye : eyes) {
        const Matrix4x4 facing = cBillBoardGfxCmp::FacingMatrix({2, 1, -3}, eye, true, 0.25f);
        for (const Vector3& corner : kCorners) {
            const Vector3 placed = facing.TransformPoint(corner);
            EXPECT_FLOAT_EQ(placed.y, 1.25f);
            EXPECT_NEAR(std::fabs(placed.x - 2.0f), 1.0f, 1e-6f);
            EXPECT_NEAR(std::fabs(placed.z + 3.0f), 1.0f, 1e-6f);
        }
        const Vector3 facing_side = facing.TransformDirection({0, 0, 1});
        EXPECT_FLOAT_EQ(facing_side.y, 1.0f);
    }
}

class BillboardTest : public SpriteFixture {
protected:
    void Init(cBillBoardGfxCmp& billboard, float width = 1.0f, float height = 1.0f) {
        billboard.SetLayers(&layers);
        billboard.Initialise("board", width, height, "sheet", "");
    }
};

TEST_F(BillboardTest, InitialiseJoinsTheListAndReleaseLeavesIt) {
    cBillBoardGfxCmp billboard;
    Init(billboard);
    EXPECT_EQ(billboard.kind, cBillBoardGfxCmp::kBillboardKind);
    EXPECT_EQ(billboard.matrixMode, Engine::MM_World);
    EXPECT_TRUE(billboard.visible);
    EXPECT_TRUE(billboard.InList());
    // Width and height 1 are half extents: the quad spans 2 x 2.
    std::array<float, 20> vertices{};
    billboard.Quad()->FramePairs().front()->Read(vertices.data(), 0, 4);
    EXPECT_FLOAT_EQ(vertices[5] - vertices[0], 2.0f);
    EXPECT_FLOAT_EQ(vertices[1] - vertices[11], 2.0f);

    const Vector3 where{1, 2, 3};
    billboard.position = &where;
    billboard.flat = true;
    billboard.heightOffset = 0.5f;
    billboard.Release();
    EXPECT_FALSE(billboard.InList());
    EXPECT_EQ(billboard.position, nullptr);
    EXPECT_FALSE(billboard.flat);
    EXPECT_EQ(billboard.heightOffset, 0.0f);
    EXPECT_EQ(billboard.Quad(), nullptr);
    EXPECT_EQ(layers.events, (std::vector<std::string>{"add-billboard", "remove-billboard"}));
}

TEST_F(BillboardTest, ApplyTransformFacesTheActiveCamera) {
    cBillBoardGfxCmp billboard;
    Init(billboard);
    Matrix4x4 world;

    billboard.ApplyTransform(renderer);
    renderer.GetMatrix(Engine::MM_World, world);
    EXPECT_EQ(world, Matrix4x4::Identity()) << "no position: the identity";

    Engine::cCameraGfxCmp camera;
    camera.Initialise({10, 0, 0}, {0, 0, 0}, {0, 1, 0}, 60.0f, 0.1f, 100.0f);
    OneCameraSlot slot;
    slot.camera = &camera;
    billboard.SetCameraSlot(&slot);
    const Vector3 where{0, 0, 0};
    billboard.position = &where;
    billboard.heightOffset = 1.0f;
    billboard.ApplyTransform(renderer);
    renderer.GetMatrix(Engine::MM_World, world);
    EXPECT_EQ(world, cBillBoardGfxCmp::FacingMatrix(where, camera.eye, false, 1.0f));

    // Without an active camera the eye comes from the renderer's view.
    slot.camera = nullptr;
    renderer.LookAt({0, 5, -10}, {0, 0, 0}, {0, 1, 0});
    billboard.ApplyTransform(renderer);
    renderer.GetMatrix(Engine::MM_World, world);
    const Matrix4x4 expected = cBillBoardGfxCmp::FacingMatrix(where, {0, 5, -10}, false, 1.0f);
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) EXPECT_NEAR(world.m[r][c], expected.m[r][c], 1e-5f) << r << "," << c;
    billboard.Release();
}

TEST_F(BillboardTest, DrawLoadsTheCellAndDrawsOnlyWhenVisible) {
    cBillBoardGfxCmp billboard;
    Init(billboard);
    ASSERT_TRUE(billboard.SetCellSize(128, 128));
    billboard.StartAnimation("glow", 3, 3, 0.1f);
    billboard.Draw(renderer);
    EXPECT_EQ(renderer.draws, 1);
    Matrix4x4 texture;
    renderer.GetMatrix(Engine::MM_Texture, texture);
    EXPECT_FLOAT_EQ(texture.m[0][2], 0.5f);
    EXPECT_FLOAT_EQ(texture.m[1][2], 0.5f);
    billboard.DrawPlain(renderer);
    billboard.visible = false;
    billboard.Draw(renderer);
    EXPECT_EQ(renderer.draws, 1);
    billboard.Release();
}

}  // namespace
