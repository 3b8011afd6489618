// Level load benchmark: a level of 100 x 100 floor tiles, 300 decorations and
// 200 entities (the kid and 199 enemies, traps, items and triggers), written
// into a temporary folder and loaded by the level manager over the shipped
// catalogues, then released as a game state's Exit releases it, again and
// again. Load/Null runs on the null device layer; Load/OpenGL on OpenGL in a
// window (Xvfb in practice), and is skipped when no window can be opened.
//
// Each load is measured alone (load_ms) and so is the release (release_ms).
// The pools are checked around every load: the entity pools of the factory,
// the model component pool and the physics object pool. Unloading must give
// back every object the load took (unreturned: objects still out after the
// release), and only the first load may build pool objects (pool_growth:
// objects built by later loads). Both must be 0; the program reports a
// failed check on standard error and exits with status 1.
//
// Entity classes that the factory does not register yet are stood in for by
// a plain prop that takes what a typical entity takes: a model component
// from its prefab (decorations: the first decoration of the catalogue) and,
// for level entities, a physics object. A class that the factory registers
// (for example cDecoration for 9 and cBinaryTile for 38 once they exist) is
// used as it is, so the figures follow the real classes as they arrive.

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <utility>  // std::index_sequence walks the stand-in kinds
#include <vector>

#include "bench/BenchWindow.h"
#include "engine/core/cLog.h"
#include "engine/entity/cEntity.h"
#include "engine/entity/cSceneManager.h"
#include "engine/physics/cPhysicsWorld.h"
#include "engine/physics/iPhysicsCmp.h"
#include "engine/render/cRenderSystem.h"
#include "engine/render/gl/DeviceLayer.h"
#include "engine/render/scene/SceneRendererAccess.h"
#include "engine/render/scene/cModelGfxCmp.h"
#include "engine/render/scene/cModelGfxCmpPool.h"
#include "engine/render/scene/cSceneRenderer.h"
#include "engine/resource/cAnimationRegistry.h"
#include "engine/resource/cResourceSystem.h"
#include "game/data/ResourceCatalogues.h"
#include "game/data/cLevelManager.h"
#include "game/data/cModelCatalogue.h"
#include "game/entities/cGameFactory.h"
#include "game/entities/eGameEntityTypes.h"
#include "tests/support/TempDir.h"

namespace {

namespace Types = Game::GAME_ENT_TYPES;

constexpr int kTileSide = 100;
constexpr int kDecorations = 300;
constexpr int kEntities = 200;  // the kid and kEntities - 1 others
constexpr int kIterations = 20;

// The level elements the 199 other entities cycle through, with their types.
struct sElementKind {
    const char* element;
    Types::eGameEntityTypes type;
};

constexpr sElementKind kEntityKinds[] = {
    {"BasicEnemy", Types::DUMB_ENEMY},   {"BasicEnemyFast", Types::DUMB_ENEMY_FAST},
    {"BasicEnemyHP", Types::DUMB_ENEMY_HP}, {"BombEnemy", Types::BOMB_ENEMY},
    {"DollEnemy", Types::SHIELD_ENEMY},  {"TeleportEnemy", Types::TELEPORT_ENEMY},
    {"SpikeTrap", Types::SPIKE_TRAP},    {"ArrowTrap", Types::ARROW_TRAP},
    {"Collectable", Types::COLLECTABLE}, {"Key", Types::KEY},
    {"LockedDoor", Types::LOCKED_DOOR},  {"Destructable", Types::DESTRUCTABLES},
    {"CheckPoint", Types::CHECK_POINT},
};

// Every type the level creates: the stand-in fills the ones the factory leaves empty.
constexpr Types::eGameEntityTypes kLevelTypes[] = {
    Types::KID,         Types::STROKE,        Types::DECORATION,    Types::BINARY_TILE,
    Types::DUMB_ENEMY,  Types::DUMB_ENEMY_FAST, Types::DUMB_ENEMY_HP, Types::BOMB_ENEMY,
    Types::SHIELD_ENEMY, Types::TELEPORT_ENEMY, Types::SPIKE_TRAP,  Types::ARROW_TRAP,
    Types::COLLECTABLE, Types::KEY,           Types::LOCKED_DOOR,   Types::DESTRUCTABLES,
    Types::CHECK_POINT,
};

// ---- The stand-in entity --------------------------------------------------------

// What a stand-in of one type takes at Init; filled from the catalogues before registering.
struct sStandInParts {
    Game::sModelNames model;
    bool has_model = false;
    bool solid = false;
};

template <Types::eGameEntityTypes Type>
class cStandIn final : public Engine::cEntity {
public:
    static inline sStandInParts parts;

    std::int32_t GetType() const override { return Type; }

    // Live, with its model in the scene renderer's tree and, when solid, a unit box in the world.
    void Init(const std::string& entity_name) override {
        Engine::cEntity::Init(entity_name);
        Engine::cModelGfxCmpPool* models = Engine::GetModelPool();
        if (parts.has_model && models != nullptr) {
            Engine::cModelGfxCmp* component = models->Take();
            component->Initialise(parts.model.mesh, parts.model.texture_set, parts.model.material, false);
            component->transform = &world;
            model = component;
        }
        if (parts.solid) {
            physics = Engine::cPhysicsWorld::Instance().CreateObject("BenchProps", nullptr, entity_name, &position);
            physics->SetOwner(this);
        }
    }
};

sStandInParts PartsFor(Types::eGameEntityTypes type) {
    const Game::cModelCatalogue& catalogue = Game::cModelCatalogue::Instance();
    sStandInParts parts;
    if (type == Types::BINARY_TILE) return parts;  // a layer is drawn by meshes its class builds
    if (type == Types::DECORATION) {
        if (!catalogue.Decorations().empty()) {
            parts.model = catalogue.Decorations().begin()->second.model;
            parts.has_model = true;
        }
        return parts;
    }
    if (const auto prefab = catalogue.FindPrefab(type)) {
        parts.model = *prefab;
        parts.has_model = true;
    }
    parts.solid = true;
    return parts;
}

template <std::size_t... I>
void RegisterStandIns(std::index_sequence<I...>) {
    Game::cGameFactory& factory = Game::cGameFactory::Instance();
    ((factory.GetFactory(kLevelTypes[I]) == nullptr &&
      (cStandIn<kLevelTypes[I]>::parts = PartsFor(kLevelTypes[I]),
       factory.RegisterType<cStandIn<kLevelTypes[I]>>(kLevelTypes[I]))),
     ...);
}

// ---- The level file -------------------------------------------------------------

std::string Transform(float x, float z, float rotation) {
    return " posX=\"" + std::to_string(x) + "\" posY=\"0.000000\" posZ=\"" + std::to_string(z) +
           "\" scaleX=\"1.000000\" scaleY=\"1.000000\" scaleZ=\"1.000000\" rotation=\"" +
           std::to_string(rotation) + "\"";
}

std::string LevelText() {
    const Game::cModelCatalogue& catalogue = Game::cModelCatalogue::Instance();
    std::vector<std::string> decoration_ids;
    for (const auto& entry : catalogue.Decorations()) decoration_ids.push_back(entry.first);
    if (decoration_ids.empty()) decoration_ids.push_back("noName");
    const int tile_kinds = static_cast<int>(catalogue.Tiles().size());

    std::string text = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<LevelRoot>\n";
    text += "    <GlobalAmbientLight Red=\"0.2f\" Green=\"0.3f\" Blue=\"0.5f\" Alpha=\"0.1f\"/>\n";
    text += "    <Kid" + Transform(0.0f, 0.0f, 0.0f) + "><waypoint posX=\"5\" posY=\"0\" posZ=\"0\"/></Kid>\n";
    for (int i = 1; i < kEntities; ++i) {
        const sElementKind& kind = kEntityKinds[i % std::size(kEntityKinds)];
        text += std::string("    <") + kind.element + Transform(i % 20 * 3.0f, i / 20 * 3.0f, i * 15.0f) + "/>\n";
    }
    for (int i = 0; i < kDecorations; ++i) {
        const std::string& id = decoration_ids[i % decoration_ids.size()];
        text += "    <Decoration" + Transform(i % 30 * 4.0f - 60.0f, i / 30 * 4.0f - 60.0f, i * 7.0f) + " id=\"" + id +
                "\"/>\n";
    }
    text += "    <BinaryMapLayer width=\"" + std::to_string(kTileSide) + "\" height=\"" + std::to_string(kTileSide) +
            "\" minX=\"-100.000000\" minZ=\"-100.000000\" yPos=\"0.000000\">";
    for (int row = 0; row < kTileSide; ++row) {
        for (int column = 0; column < kTileSide; ++column) {
            text += static_cast<char>('0' + (tile_kinds == 0 ? 0 : (row * 7 + column * 3) % (tile_kinds + 1)));
        }
    }
    text += "</BinaryMapLayer>\n</LevelRoot>\n";
    return text;
}

// ---- Pools ------------------------------------------------------------------------

// How many objects each pool has built and how many of them are out.
struct sPoolSizes {
    std::vector<std::size_t> entities_built, entities_out;  // per factory slot
    std::size_t models_built = 0, models_out = 0;
    std::size_t physics_built = 0, physics_out = 0;
};

sPoolSizes MeasurePools() {
    sPoolSizes sizes;
    const Game::cGameFactory& factory = Game::cGameFactory::Instance();
    for (std::int32_t id = 0; id < Game::kEntityTypeCount; ++id) {
        const auto* slot = factory.GetFactory(Game::EntityTypeId::FromValue(id));
        sizes.entities_built.push_back(slot == nullptr ? 0 : slot->BuiltCount());
        sizes.entities_out.push_back(slot == nullptr ? 0 : slot->BuiltCount() - slot->FreeCount());
    }
    if (const Engine::cModelGfxCmpPool* models = Engine::GetModelPool()) {
        sizes.models_built = models->BuiltCount();
        sizes.models_out = models->InUse();
    }
    const Engine::cPhysicsObjectPool& physics = Engine::cPhysicsWorld::Instance().GetPool();
    sizes.physics_built = physics.All().size();
    sizes.physics_out = physics.All().size() - physics.Free().size();
    return sizes;
}

std::size_t Excess(std::size_t now, std::size_t before) { return now > before ? now - before : 0; }

// Objects built since before, over every pool.
std::size_t Growth(const sPoolSizes& now, const sPoolSizes& before) {
    std::size_t grown = Excess(now.models_built, before.models_built) +
                        Excess(now.physics_built, before.physics_built);
    for (std::size_t i = 0; i < now.entities_built.size(); ++i) {
        grown += Excess(now.entities_built[i], before.entities_built[i]);
    }
    return grown;
}

// Objects out now beyond those out before, over every pool.
std::size_t Unreturned(const sPoolSizes& now, const sPoolSizes& before) {
    std::size_t out = Excess(now.models_out, before.models_out) + Excess(now.physics_out, before.physics_out);
    for (std::size_t i = 0; i < now.entities_out.size(); ++i) {
        out += Excess(now.entities_out[i], before.entities_out[i]);
    }
    return out;
}

// ---- The world ----------------------------------------------------------------------

// Failed checks, reported by main after the run.
std::vector<std::string>& Failures() {
    static std::vector<std::string> failures;
    return failures;
}

// The shipped data linked into a temporary working folder, the device layer,
// the scene renderer, the catalogues, the physics world and the factory.
class cLevelWorld {
public:
    explicit cLevelWorld(Engine::eDeviceLayer layer) {
        std::filesystem::create_directory_symlink(std::filesystem::path(BRAMBLEBY_SOURCE_DIR) / "GameData",
                                                  dir.Path() / "GameData");
        ready = Engine::CreateDeviceLayer(layer);
        if (!ready) return;
        Engine::DisplayMode mode;
        mode.windowWidth = 1280;
        mode.windowHeight = 720;
        Engine::CreateSceneRenderer(*Engine::cRenderSystem::Instance().Renderer(), mode);
        Game::LoadResourceCatalogues();
        Engine::cPhysicsWorld::Instance().Reset({0.0f, -10.0f, 0.0f});
        Game::cGameFactory::Instance().Register();
        RegisterStandIns(std::make_index_sequence<std::size(kLevelTypes)>());
        dir.Write("Level/Bench.xml", LevelText());
    }
    ~cLevelWorld() {
        Game::cLevelManager::Destroy();
        Game::cGameFactory::Instance().Shutdown();
        Game::cGameFactory::Destroy();
        Engine::cSceneManager::Destroy();
        Engine::cPhysicsWorld::Destroy();
        Engine::DestroySceneRenderer();
        Engine::cAnimationRegistry::Destroy();
        Engine::cResourceSystem::Destroy();
        Engine::cRenderSystem::Destroy();
        Game::cModelCatalogue::Destroy();
        Engine::cLog::Destroy();
    }

    bool Ready() const { return ready; }

    bool Load() { return Game::cLevelManager::Instance().Load("Bench", dir.File("Level") + "/"); }

    // What a game state's Exit does with the level's entities.
    void Release() {
        Game::cGameFactory::Instance().ReleaseAll();
        Engine::cSceneManager::Instance().Flush();
    }

private:
    TestSupport::TempDir dir;
    TestSupport::ScopedWorkingDirectory in_dir{dir.Path()};
    bool ready = false;
};

double MillisecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

void Fail(benchmark::State& state, Engine::eDeviceLayer layer, const std::string& what) {
    Failures().push_back(std::string(layer == Engine::eDeviceLayer::Null ? "Load/Null" : "Load/OpenGL") + ": " + what);
    state.SkipWithError(what.c_str());
}

void BM_Load(benchmark::State& state, Engine::eDeviceLayer layer) {
    if (layer == Engine::eDeviceLayer::OpenGL && !Bench::OpenBenchWindow(1280, 720)) {
        state.SkipWithError("no OpenGL window");
        return;
    }
    cLevelWorld world(layer);
    if (!world.Ready()) {
        Fail(state, layer, "the device layer did not start");
        return;
    }
    // The first load builds what the pools need; it is not measured.
    const sPoolSizes empty = MeasurePools();
    if (!world.Load()) {
        Fail(state, layer, "the level did not load");
        return;
    }
    const Game::cLevelManager& levels = Game::cLevelManager::Instance();
    const std::size_t entities = levels.level_entities.size();
    const std::size_t decorations = levels.decorations.size();
    world.Release();
    const sPoolSizes warm = MeasurePools();
    std::size_t unreturned = Unreturned(warm, empty);
    std::size_t growth = 0;
    double load_ms = 0.0;
    double release_ms = 0.0;
    for (auto _ : state) {
        const auto load_start = std::chrono::steady_clock::now();
        world.Load();
        load_ms += MillisecondsSince(load_start);
        state.PauseTiming();
        growth += Growth(MeasurePools(), warm);
        const auto release_start = std::chrono::steady_clock::now();
        world.Release();
        release_ms += MillisecondsSince(release_start);
        unreturned += Unreturned(MeasurePools(), warm);
        state.ResumeTiming();
    }
    const double loads = static_cast<double>(state.iterations());
    state.counters["load_ms"] = load_ms / loads;
    state.counters["release_ms"] = release_ms / loads;
    state.counters["entities"] = static_cast<double>(entities);
    state.counters["decorations"] = static_cast<double>(decorations);
    state.counters["unreturned"] = static_cast<double>(unreturned);
    state.counters["pool_growth"] = static_cast<double>(growth);
    if (entities != static_cast<std::size_t>(kEntities) || decorations != static_cast<std::size_t>(kDecorations)) {
        Fail(state, layer, "the level gave " + std::to_string(entities) + " entities and " + std::to_string(decorations) +
                        " decorations");
    }
    if (unreturned != 0) Fail(state, layer, std::to_string(unreturned) + " pool objects were not returned by the release");
    if (growth != 0) Fail(state, layer, "loads after the first built " + std::to_string(growth) + " pool objects");
}

BENCHMARK_CAPTURE(BM_Load, Null, Engine::eDeviceLayer::Null)->Iterations(kIterations)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Load, OpenGL, Engine::eDeviceLayer::OpenGL)
    ->Iterations(kIterations)
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    for (const std::string& failure : Failures()) std::fprintf(stderr, "Check failed: %s\n", failure.c_str());
    return Failures().empty() ? 0 : 1;
}
