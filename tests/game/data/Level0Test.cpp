// The first level, "Level0", read through the level manager with the real
// entity classes over the shipped GameData (on the null device), and held to
// what a first level must give the player: it loads without an error line;
// the kid's path starts where she wakes and ends on the win point, and every
// leg of it is clear of whatever the kid bumps into (walls, fences, solid
// decorations, crates, doors), allowing for her width; the spawner and the
// camera trigger lie across the path, the trigger before the end, its shot
// on the win point; every candy can be walked to; the garden is closed, with
// floor under everything the camera shows; no checkpoint; a modest number of
// ghosts.
//
// What the kid can walk is worked out from the loaded bodies: a grid of
// quarter-unit cells, each free when the kid's box standing there overlaps
// no solid body, filled from where she wakes. The last test breaks a copy of
// the level on purpose (a fence across the path) and checks that the survey
// sees it, so the path test cannot pass on a survey that sees nothing.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "engine/core/cLog.h"
#include "engine/entity/cSceneManager.h"
#include "engine/particles/cParticleManager.h"
#include "engine/physics/cCollisionAABB.h"
#include "engine/physics/cCollisionManager.h"
#include "engine/physics/cPhysicsWorld.h"
#include "engine/physics/ePhysicsFlags.h"
#include "engine/physics/iPhysicsCmp.h"
#include "engine/render/cRenderSystem.h"
#include "engine/render/gl/DeviceLayer.h"
#include "engine/render/scene/SceneRendererAccess.h"
#include "engine/render/scene/cLightManager.h"
#include "engine/render/scene/cLightPool.h"
#include "engine/render/scene/cSceneRenderer.h"
#include "engine/resource/cAnimationRegistry.h"
#include "engine/resource/cResourceSystem.h"
#include "game/data/ResourceCatalogues.h"
#include "game/data/cEnemyStatsTable.h"
#include "game/data/cLevelManager.h"
#include "game/data/cModelCatalogue.h"
#include "game/entities/cCameraTrigger.h"
#include "game/entities/cDecorationBatches.h"
#include "game/entities/cGameCamera.h"
#include "game/entities/cGameFactory.h"
#include "game/entities/cSpawnEnemy.h"
#include "game/entities/eGameEntityTypes.h"
#include "tests/support/TempDir.h"

namespace Game {
namespace {

namespace fs = std::filesystem;
namespace Types = GAME_ENT_TYPES;
using Engine::Vector3;

constexpr const char* kLevel = "Level0";
// The groups whose bodies stop the kid: walls and fences, solid decorations,
// crates and doors.
const std::set<std::string> kSolidGroups = {"Wall", "Decoration", "Destructable", "Door"};
// The ground the camera shows around the kid at 1280 x 720, half each way.
constexpr float kViewHalfX = 11.0f;
constexpr float kViewHalfZ = 8.0f;
// How near the path (or open ground) a candy must lie: a detour, not a search.
constexpr float kCandyReach = 0.5f;
constexpr float kCell = 0.25f;
constexpr std::size_t kMostGhosts = 8;

// A box on the ground plane, from above.
struct Rect {
    float min_x = 0, min_z = 0, max_x = 0, max_z = 0;
    Rect Grown(float by) const { return {min_x - by, min_z - by, max_x + by, max_z + by}; }
    bool Contains(float x, float z) const { return x >= min_x && x <= max_x && z >= min_z && z <= max_z; }
};

Rect RectOf(const Engine::iPhysicsCmp& body) {
    const Engine::cCollisionAABB* box = Engine::cCollisionAABB::Of(body.GetShape());
    if (box == nullptr) return {};
    return {box->min.x, box->min.z, box->max.x, box->max.z};
}

// Whether the segment from a to b (on the ground, x and z) passes through r,
// by clipping its parameter against the two slabs.
bool SegmentCrosses(const Vector3& a, const Vector3& b, const Rect& r) {
    float t0 = 0.0f, t1 = 1.0f;
    const float from[2] = {a.x, a.z}, to[2] = {b.x, b.z};
    const float low[2] = {r.min_x, r.min_z}, high[2] = {r.max_x, r.max_z};
    for (int axis = 0; axis < 2; ++axis) {
        const float d = to[axis] - from[axis];
        if (std::fabs(d) < 1e-6f) {
            if (from[axis] < low[axis] || from[axis] > high[axis]) return false;
            continue;
        }
        float enter = (low[axis] - from[axis]) / d, leave = (high[axis] - from[axis]) / d;
        if (enter > leave) std::swap(enter, leave);
        t0 = std::max(t0, enter);
        t1 = std::min(t1, leave);
        if (t0 > t1) return false;
    }
    return true;
}

float DistanceOnGround(const Vector3& a, const Vector3& b) { return std::hypot(a.x - b.x, a.z - b.z); }

// What the loaded level holds, from the level manager and the physics world.
struct Survey {
    Vector3 kid_start;
    float kid_half_width = 0.0f;
    std::vector<Vector3> path;
    std::vector<std::pair<std::string, Rect>> solids;
    std::vector<Vector3> candy;
    std::vector<Vector3> win_points;
    std::vector<const cCameraTrigger*> camera_triggers;
    std::vector<const cSpawnEnemy*> spawners;
    std::size_t checkpoints = 0;
    std::set<const Engine::iBaseEntity*> ghosts;
    Rect floor;
};

bool IsGhost(std::int32_t type) {
    return type == Types::DUMB_ENEMY || type == Types::DUMB_ENEMY_FAST || type == Types::DUMB_ENEMY_HP;
}

void SurveyEntities(const cLevelManager& levels, Survey& survey) {
    for (Engine::iBaseEntity* entity : levels.level_entities) {
        const auto* placed = dynamic_cast<const Engine::cEntity*>(entity);
        const std::int32_t type = entity->GetType();
        if (type == Types::COLLECTABLE) survey.candy.push_back(placed->position);
        if (type == Types::WIN_POINT) survey.win_points.push_back(placed->position);
        if (type == Types::CHECK_POINT) ++survey.checkpoints;
        if (type == Types::CAMERA_TRIGGER) survey.camera_triggers.push_back(dynamic_cast<cCameraTrigger*>(entity));
        if (IsGhost(type)) survey.ghosts.insert(entity);
        if (const auto* spawner = dynamic_cast<const cSpawnEnemy*>(entity)) {
            survey.spawners.push_back(spawner);
            for (const Engine::iBaseEntity* held : spawner->Enemies()) {
                if (IsGhost(held->GetType())) survey.ghosts.insert(held);
            }
        }
    }
}

void SurveyBodies(Survey& survey) {
    for (Engine::iPhysicsCmp* body : Engine::cPhysicsWorld::Instance().GetObjects()) {
        if (body->GetGroupName() == "Kid") {
            const Rect kid = RectOf(*body);
            survey.kid_half_width = std::max(kid.max_x - kid.min_x, kid.max_z - kid.min_z) * 0.5f;
        }
        const bool solid = kSolidGroups.count(body->GetGroupName()) != 0 &&
                           !body->HasFlag(Engine::ePhysicsFlags::NoResponse) &&
                           !body->HasFlag(Engine::ePhysicsFlags::Disabled);
        if (solid) survey.solids.emplace_back(body->GetName(), RectOf(*body));
    }
}

// The ground the tile layer covers: each tile is centred on its cell.
Rect FloorOf(const cTileLayerCells& cells) {
    const float size = static_cast<float>(cModelCatalogue::Instance().TileSize());
    if (cells.Width() == 0 || cells.Height() == 0) return {};
    const Vector3 first = cells.TilePosition(0, 0, size);
    const Vector3 last = cells.TilePosition(cells.Width() - 1, cells.Height() - 1, size);
    return Rect{first.x, first.z, last.x, last.z}.Grown(size * 0.5f);
}

Survey TakeSurvey() {
    const cLevelManager& levels = cLevelManager::Instance();
    Survey survey;
    survey.floor = FloorOf(levels.tile_cells);
    if (const auto* kid = dynamic_cast<const Engine::cEntity*>(levels.kid)) survey.kid_start = kid->position;
    survey.path = levels.waypoints;
    SurveyEntities(levels, survey);
    SurveyBodies(survey);
    return survey;
}

// ---- Where the kid can walk ------------------------------------------------------

// Quarter-unit cells over a square, each free when the kid's box centred on
// it touches no solid body; FillFrom marks the cells reached from one.
class WalkableGrid {
public:
    WalkableGrid(const Survey& survey, const Rect& area) : area(area) {
        columns = static_cast<int>((area.max_x - area.min_x) / kCell) + 1;
        rows = static_cast<int>((area.max_z - area.min_z) / kCell) + 1;
        free.assign(static_cast<std::size_t>(columns * rows), 1);
        for (const auto& [name, rect] : survey.solids) Block(rect.Grown(survey.kid_half_width));
        reached.assign(free.size(), 0);
    }

    void FillFrom(const Vector3& start) {
        std::vector<int> pending{Index(start.x, start.z)};
        if (pending.front() < 0 || !free[pending.front()]) return;
        reached[pending.front()] = 1;
        while (!pending.empty()) {
            const int at = pending.back();
            pending.pop_back();
            const int c = at % columns, r = at / columns;
            const int steps[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
            for (const auto& step : steps) {
                const int nc = c + step[0], nr = r + step[1];
                if (nc < 0 || nr < 0 || nc >= columns || nr >= rows) continue;
                const int next = nr * columns + nc;
                if (free[next] && !reached[next]) {
                    reached[next] = 1;
                    pending.push_back(next);
                }
            }
        }
    }

    // Whether a reached cell lies within reach of (x, z).
    bool ReachedNear(float x, float z, float reach) const {
        for (float dz = -reach; dz <= reach; dz += kCell) {
            for (float dx = -reach; dx <= reach; dx += kCell) {
                const int at = Index(x + dx, z + dz);
                if (at >= 0 && reached[at]) return true;
            }
        }
        return false;
    }

    // The smallest rectangle round every reached cell.
    Rect ReachedBounds() const {
        Rect bounds{1e9f, 1e9f, -1e9f, -1e9f};
        for (int at = 0; at < columns * rows; ++at) {
            if (!reached[at]) continue;
            const float x = area.min_x + (at % columns) * kCell, z = area.min_z + (at / columns) * kCell;
            bounds = {std::min(bounds.min_x, x), std::min(bounds.min_z, z), std::max(bounds.max_x, x),
                      std::max(bounds.max_z, z)};
        }
        return bounds;
    }

private:
    int Index(float x, float z) const {
        const int c = static_cast<int>(std::lround((x - area.min_x) / kCell));
        const int r = static_cast<int>(std::lround((z - area.min_z) / kCell));
        if (c < 0 || r < 0 || c >= columns || r >= rows) return -1;
        return r * columns + c;
    }

    void Block(const Rect& rect) {
        for (int r = 0; r < rows; ++r) {
            const float z = area.min_z + r * kCell;
            if (z < rect.min_z || z > rect.max_z) continue;
            for (int c = 0; c < columns; ++c) {
                if (rect.Contains(area.min_x + c * kCell, z)) free[r * columns + c] = 0;
            }
        }
    }

    Rect area;
    int columns = 0, rows = 0;
    std::vector<char> free, reached;
};

// Each leg of the path that runs into a solid body (grown by the kid's half
// width), as "leg n: body".
std::vector<std::string> BlockedLegs(const Survey& survey) {
    std::vector<std::string> blocked;
    for (std::size_t leg = 0; leg + 1 < survey.path.size(); ++leg) {
        for (const auto& [name, rect] : survey.solids) {
            if (SegmentCrosses(survey.path[leg], survey.path[leg + 1], rect.Grown(survey.kid_half_width))) {
                blocked.push_back("leg " + std::to_string(leg) + ": " + name);
            }
        }
    }
    return blocked;
}

// The length of the path from the first leg that crosses r to the end; -1
// when no leg crosses it.
float PathLeftAfter(const Survey& survey, const Rect& r) {
    float left = -1.0f;
    for (std::size_t leg = survey.path.size() - 1; leg-- > 0;) {
        const float length = DistanceOnGround(survey.path[leg], survey.path[leg + 1]);
        left = left < 0.0f ? 0.0f : left;
        left += length;
        if (SegmentCrosses(survey.path[leg], survey.path[leg + 1], r)) return left;
    }
    return -1.0f;
}

// ---- The fixture -----------------------------------------------------------------

class Level0Test : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directory_symlink(fs::path(BRAMBLEBY_SOURCE_DIR) / "GameData", dir.Path() / "GameData");
        ASSERT_TRUE(Engine::CreateDeviceLayer(Engine::eDeviceLayer::Null));
        Engine::DisplayMode mode;
        mode.windowWidth = 1280;
        mode.windowHeight = 720;
        Engine::cParticleManager::Instance().AttachTo(
            Engine::CreateSceneRenderer(*Engine::cRenderSystem::Instance().Renderer(), mode));
        ASSERT_TRUE(cGameFactory::Instance().Register());
        ASSERT_TRUE(LoadResourceCatalogues());
        ASSERT_TRUE(cEnemyStatsTable::Instance().Load("GameData/XML_Game/GameStats/", "EnemyStats.xml"));
    }

    void TearDown() override {
        Unload();
        cLevelManager::Destroy();
        cGameFactory::Instance().Shutdown();
        cGameFactory::Destroy();
        cDecorationBatches::Destroy();
        Engine::cSceneManager::Destroy();
        Engine::cParticleManager::Destroy();
        Engine::cLightPool::Destroy();
        Engine::cLightManager::Destroy();
        Engine::DestroySceneRenderer();
        Engine::cAnimationRegistry::Destroy();
        Engine::cResourceSystem::Destroy();
        Engine::cRenderSystem::Destroy();
        cModelCatalogue::Destroy();
        cEnemyStatsTable::Destroy();
        Engine::cLog::Destroy();
    }

    // Loads the level from directory ("" for the shipped levels) as play
    // does: the game camera first, so that the level's triggers find it.
    bool Load(const std::string& name, const std::string& directory = "") {
        auto* camera = cGameFactory::Instance().CreateTyped<cGameCamera>(Types::GAME_CAMERA);
        if (camera == nullptr) return false;
        camera->Setup();
        cLevelManager::Instance().game_camera = camera;
        return cLevelManager::Instance().Load(name, directory);
    }

    void Unload() {
        cGameFactory::Instance().ReleaseAll();
        cLevelManager::Instance().game_camera = nullptr;
        Engine::cPhysicsWorld::Instance().ClearObjects();
        Engine::cCollisionManager::Instance().Clear();
    }

    // The lines of the log that report a fault.
    std::vector<std::string> ErrorLines() const {
        std::ifstream log(dir.File("Engine.log"));
        std::vector<std::string> errors;
        for (std::string line; std::getline(log, line);) {
            if (line.rfind("Error: ", 0) == 0) errors.push_back(line);
        }
        return errors;
    }

    // The walkable grid over the floor, filled from where the kid wakes.
    WalkableGrid Walk(const Survey& survey) const {
        WalkableGrid grid(survey, survey.floor);
        grid.FillFrom(survey.kid_start);
        return grid;
    }


    TestSupport::TempDir dir;
    TestSupport::ScopedWorkingDirectory in_dir{dir.Path()};
};


// ---- The level as shipped --------------------------------------------------------

TEST_F(Level0Test, LoadsThroughTheLevelManagerWithoutAnErrorLine) {
    ASSERT_TRUE(Load(kLevel));
    const cLevelManager& levels = cLevelManager::Instance();
    EXPECT_NE(levels.kid, nullptr);
    EXPECT_NE(levels.tile_layer, nullptr);
    EXPECT_FALSE(levels.decorations.empty());
    EXPECT_EQ(ErrorLines(), std::vector<std::string>{});
}

TEST_F(Level0Test, TheKidsPathRunsFromWhereSheWakesToTheWinPoint) {
    ASSERT_TRUE(Load(kLevel));
    const Survey survey = TakeSurvey();
    ASSERT_GE(survey.path.size(), 2u);
    ASSERT_EQ(survey.win_points.size(), 1u);
    EXPECT_LT(DistanceOnGround(survey.path.front(), survey.kid_start), 1.0f);
    EXPECT_LT(DistanceOnGround(survey.path.back(), survey.win_points.front()), 1.0f);
}

TEST_F(Level0Test, EveryLegOfThePathIsClearOfWhatStopsTheKid) {
    ASSERT_TRUE(Load(kLevel));
    const Survey survey = TakeSurvey();
    // The survey sees the garden's walls and its solid props, and the kid's width.
    const auto walls = std::count_if(survey.solids.begin(), survey.solids.end(),
                                     [](const auto& solid) { return solid.first == "Fence"; });
    EXPECT_GE(walls, 4);
    EXPECT_GT(survey.solids.size(), static_cast<std::size_t>(walls));
    EXPECT_GT(survey.kid_half_width, 0.2f);
    EXPECT_EQ(BlockedLegs(survey), std::vector<std::string>{});
}

TEST_F(Level0Test, TheSpawnerAndTheCameraTriggerLieAcrossThePathBeforeTheEnd) {
    ASSERT_TRUE(Load(kLevel));
    const Survey survey = TakeSurvey();
    ASSERT_EQ(survey.win_points.size(), 1u);
    const Vector3 win = survey.win_points.front();

    ASSERT_EQ(survey.spawners.size(), 1u);
    const cSpawnEnemy& spawner = *survey.spawners.front();
    EXPECT_FALSE(spawner.Enemies().empty());
    ASSERT_NE(spawner.physics, nullptr);
    EXPECT_GT(PathLeftAfter(survey, RectOf(*spawner.physics)), 0.0f) << "the kid walks into the spawner";

    ASSERT_EQ(survey.camera_triggers.size(), 1u);
    const cCameraTrigger& trigger = *survey.camera_triggers.front();
    ASSERT_NE(trigger.physics, nullptr);
    const Rect box = RectOf(*trigger.physics);
    EXPECT_FALSE(box.Contains(win.x, win.z));
    const float left = PathLeftAfter(survey, box);
    EXPECT_GE(left, 8.0f) << "the shot comes a little before the end, not at it";
    EXPECT_LE(left, 40.0f) << "and not so early that the player forgets it";
    EXPECT_LT(DistanceOnGround(trigger.shot.target, win), 1.0f) << "the shot looks at the win point";
    EXPECT_GT(trigger.shot.distance, 10.0f);
    EXPECT_EQ(trigger.game_camera, cLevelManager::Instance().game_camera);
}

TEST_F(Level0Test, EveryCandyAndTheWinPointCanBeWalkedTo) {
    ASSERT_TRUE(Load(kLevel));
    const Survey survey = TakeSurvey();
    EXPECT_GE(survey.candy.size(), 10u);
    EXPECT_EQ(survey.candy.size(), cLevelManager::Instance().candy_total);
    const WalkableGrid walk = Walk(survey);
    for (const Vector3& candy : survey.candy) {
        EXPECT_TRUE(walk.ReachedNear(candy.x, candy.z, kCandyReach)) << candy.x << ", " << candy.z;
    }
    ASSERT_EQ(survey.win_points.size(), 1u);
    EXPECT_TRUE(walk.ReachedNear(survey.win_points.front().x, survey.win_points.front().z, kCandyReach));
}

// The kid cannot leave the garden, and wherever she stands the camera sees floor.
TEST_F(Level0Test, TheGardenIsClosedAndFlooredAsFarAsTheCameraSees) {
    ASSERT_TRUE(Load(kLevel));
    const Survey survey = TakeSurvey();
    const WalkableGrid walk = Walk(survey);
    const Rect seen = walk.ReachedBounds();
    ASSERT_LE(seen.min_x, seen.max_x) << "the kid wakes on open ground";
    const Rect in_view{seen.min_x - kViewHalfX, seen.min_z - kViewHalfZ, seen.max_x + kViewHalfX,
                       seen.max_z + kViewHalfZ};
    EXPECT_TRUE(survey.floor.Contains(in_view.min_x, in_view.min_z) &&
                survey.floor.Contains(in_view.max_x, in_view.max_z))
        << "reached " << seen.min_x << ".." << seen.max_x << " x " << seen.min_z << ".." << seen.max_z;
    const cTileLayerCells& cells = cLevelManager::Instance().tile_cells;
    int bare = 0;
    for (int row = 0; row < cells.Height(); ++row) {
        for (int column = 0; column < cells.Width(); ++column) bare += cells.Cell(column, row) == 0 ? 1 : 0;
    }
    EXPECT_EQ(bare, 0) << "every cell holds a tile";
}

TEST_F(Level0Test, HasNoCheckpointAndAModestNumberOfGhosts) {
    ASSERT_TRUE(Load(kLevel));
    const Survey survey = TakeSurvey();
    EXPECT_EQ(survey.checkpoints, 0u);
    EXPECT_GE(survey.ghosts.size(), 3u);
    EXPECT_LE(survey.ghosts.size(), kMostGhosts);
}

// ---- A copy broken on purpose ----------------------------------------------------

// A fence across the first leg and a candy beyond the garden's wall: the
// survey must see both, or the tests above prove nothing.
TEST_F(Level0Test, TheSurveySeesAFenceAcrossThePathAndACandyOutOfReach) {
    ASSERT_TRUE(Load(kLevel));
    const Survey shipped = TakeSurvey();
    ASSERT_GE(shipped.path.size(), 2u);
    const Vector3 middle = (shipped.path[0] + shipped.path[1]) * 0.5f;
    const Rect& floor = shipped.floor;
    std::ostringstream extra;
    extra << "<Fence posX=\"" << middle.x << "\" posY=\"-0.9\" posZ=\"" << middle.z
          << "\" scaleX=\"3\" scaleY=\"2\" scaleZ=\"3\" />\n"
          << "<Collectable posX=\"" << floor.max_x - 1.0f << "\" posY=\"-0.9\" posZ=\"" << floor.max_z - 1.0f
          << "\" />\n";
    std::ifstream shipped_file(fs::path(BRAMBLEBY_SOURCE_DIR) / "GameData/Level/Level0.xml");
    std::string text((std::istreambuf_iterator<char>(shipped_file)), std::istreambuf_iterator<char>());
    const std::size_t end = text.rfind("</LevelRoot>");
    ASSERT_NE(end, std::string::npos);
    text.insert(end, extra.str());
    fs::create_directory(dir.Path() / "broken");
    std::ofstream(dir.Path() / "broken" / "Level0.xml") << text;

    Unload();
    ASSERT_TRUE(Load(kLevel, dir.File("broken/")));
    const Survey broken = TakeSurvey();
    const std::vector<std::string> blocked = BlockedLegs(broken);
    ASSERT_EQ(blocked.size(), 1u);
    EXPECT_EQ(blocked.front(), "leg 0: Fence");
    const WalkableGrid walk = Walk(broken);
    EXPECT_FALSE(walk.ReachedNear(floor.max_x - 1.0f, floor.max_z - 1.0f, kCandyReach));
}

}  // namespace
}  // namespace Game
