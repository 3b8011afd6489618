// DecorationPlacement: level yaw, random tree yaw and the tilted ghost prop.

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>
#include <vector>

#include "engine/core/Matrix4x4.h"
#include "engine/core/Vector3.h"
#include "game/entities/DecorationPlacement.h"

namespace {

using Engine::Vector3;

void ExpectNear(const Vector3& got, const Vector3& want, const std::string& label) {
    EXPECT_NEAR(got.x, want.x, 1e-4f) << label;
    EXPECT_NEAR(got.y, want.y, 1e-4f) << label;
    EXPECT_NEAR(got.z, want.z, 1e-4f) << label;
}

struct sYawCase {
    const char* id;
    float level_degrees;
    int random_turn;
    float yaw;
};

TEST(DecorationPlacement, OnlyIdsBeginningWithTreeTakeTheRandomYaw) {
    const std::vector<sYawCase> cases = {
        {"TreeOak", 45, 180, 180}, {"Tree", 45, 7, 7},    {"Rock", 45, 180, 45},
        {"tree", 45, 180, 45},     {"MyTree", 30, 180, 30}, {"", 12, 180, 12},
    };
    for (const sYawCase& c : cases) {
        EXPECT_EQ(Game::DecorationYawDegrees(c.id, c.level_degrees, c.random_turn), c.yaw) << c.id;
    }
}

struct sWorldCase {
    const char* label;
    const char* mesh;
    Vector3 position;
    Vector3 scale;
    float yaw;
    int turn;
    Vector3 point;
    Vector3 placed;
};

TEST(DecorationPlacement, WorldMatrixPlacesPointsOfTheMesh) {
    const float c40 = std::cos(0.6981317f), s40 = std::sin(0.6981317f);
    const std::vector<sWorldCase> cases = {
        {"plain prop, no turn", "Rock", {1, 2, 3}, {1, 1, 1}, 0, 200, {1, 0, 0}, {2, 2, 3}},
        {"scaled and turned a quarter", "Rock", {1, 2, 3}, {2, 2, 2}, 90, 0, {1, 0, 0}, {1, 2, 1}},
        {"scale per axis", "Rock", {0, 0, 0}, {1, 3, 1}, 0, 0, {0, 1, 0}, {0, 3, 0}},
        {"ghost tilts forward", "GhostMesh", {0, 0, 0}, {1, 1, 1}, 0, 0, {0, 1, 0}, {0, c40, s40}},
        {"ghost ignores the level yaw", "GhostMesh", {0, 0, 0}, {1, 1, 1}, 123, 0, {0, 1, 0}, {0, c40, s40}},
        {"ghost turns, then tilts", "GhostMesh", {0, 0, 0}, {1, 1, 1}, 0, 90, {1, 0, 0}, {0, s40, -c40}},
        {"ghost is scaled and moved last", "GhostMesh", {5, 1, 0}, {2, 2, 2}, 0, 0, {0, 1, 0},
         {5, 1 + 2 * c40, 2 * s40}},
    };
    for (const sWorldCase& c : cases) {
        const Engine::Matrix4x4 world = Game::DecorationWorld(c.mesh, c.position, c.scale, c.yaw, c.turn);
        ExpectNear(world.TransformPoint(c.point), c.placed, c.label);
    }
}

TEST(DecorationPlacement, RandomTurnsAreWholeDegreesBelow360) {
    std::set<int> seen;
    for (int i = 0; i < 2000; ++i) {
        const int turn = Game::RandomTurnDegrees();
        ASSERT_GE(turn, 0);
        ASSERT_LE(turn, 359);
        seen.insert(turn);
    }
    EXPECT_GT(seen.size(), 300u) << "turns should spread over the circle";
}

}  // namespace
