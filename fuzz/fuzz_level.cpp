// Fuzz target: a level file through the level manager's Load and the game's
// entity factory, headless (no renderer, no catalogues). Every level element
// kind whose gameplay class the factory does not register gets a stand-in
// class here, so that the loader's placing, ordinals, nested spawns and
// set-up refusals run for every kind; a registered class is used as it is.
// After each input every entity goes back to its pool, so memory stays at
// the largest level seen instead of growing with the run.
#include <unistd.h>  // getpid names the folder, chdir enters it

#include <cstddef>
#include <cstdint>
#include <cstdlib>  // std::abort when the folder cannot be entered
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>  // std::index_sequence walks the kinds

#include "engine/core/cLog.h"
#include "engine/entity/cEntity.h"
#include "engine/entity/cSceneManager.h"
#include "game/data/cLevelManager.h"
#include "game/entities/cGameFactory.h"
#include "game/entities/cTileLayerCells.h"
#include "game/entities/eGameEntityTypes.h"
#include "game/entities/iLevelObject.h"
#include "game/entities/iLevelSpawner.h"

namespace {

namespace Types = Game::GAME_ENT_TYPES;

// The types level files create. 22 and 37 are left out on purpose: they
// have no class, and the loader must skip them.
constexpr Types::eGameEntityTypes kLevelKinds[] = {
    Types::KID,           Types::STROKE,          Types::DECORATION,      Types::BILLBOARD_OBJ,
    Types::DUMB_ENEMY,    Types::DUMB_ENEMY_HP,   Types::DUMB_ENEMY_FAST, Types::TRAP_BASIC,
    Types::SHIELD_ENEMY,  Types::BOMB_ENEMY,      Types::TELEPORT_ENEMY,  Types::JACK_IN_BOX,
    Types::WITCH_ENEMY,   Types::WITCH_ENEMY2,    Types::WITCH_ENEMY3,    Types::CHASER_ENEMY,
    Types::DRAG_ENEMY,    Types::SPAWN_ENEMY,     Types::TIME_SPAWN_ENEMY, Types::POWER_UP_ENERGY,
    Types::COLLECTABLE,   Types::KEY,             Types::BINARY_TILE,     Types::DOOR,
    Types::LOCKED_DOOR,   Types::WIN_POINT,       Types::CHALLENGE_POINT, Types::CAMERA_TRIGGER,
    Types::FENCE,         Types::DESTRUCTABLES,   Types::UNDESTRUCTABLE,  Types::SPIKE_TRAP,
    Types::CHECK_POINT,   Types::ARROW_TRAP,      Types::STATIC_SPIKE,    Types::BOSS_ENEMY,
    Types::FOG_TRIGGER_OFF, Types::FOG_TRIGGER_ON, Types::RAIN_TRIGGER_OFF, Types::RAIN_TRIGGER_ON,
};

// A level object that reads every value it is given and refuses a negative
// X scale, so that the loader's release of refused objects runs too. It takes
// spawns as a spawner would and counts them.
template <Types::eGameEntityTypes Type>
class cStandIn final : public Engine::cEntity, public Game::iLevelObject, public Game::iLevelSpawner {
public:
    std::int32_t GetType() const override { return Type; }

    void Reset() override {
        Engine::cEntity::Reset();
        spawns = 0;
        checksum = 0.0f;
    }

    bool SetUpFromLevel(const Game::LevelObjectValues& values) override {
        checksum = values.position.x + values.rotation_degrees + values.intensity + values.time_interval +
                   static_cast<float>(values.waypoints.size() + values.no_of_waves + values.catalogue_id.size());
        if (values.cinematic) checksum += values.cinematic->distance;
        if (values.ordinal) checksum += static_cast<float>(*values.ordinal);
        // The pointers are followed, so that one left dangling by the loader shows.
        if (values.tile_cells != nullptr) checksum += static_cast<float>(values.tile_cells->Text().size());
        if (values.kid != nullptr) checksum += static_cast<float>(values.kid->GetType());
        if (values.stroke != nullptr) checksum += static_cast<float>(values.stroke->GetType());
        return values.scale.x >= 0.0f;
    }

    void AddSpawn(Engine::iBaseEntity* spawn) override {
        if (spawn != nullptr && spawn->GetType() >= 0) ++spawns;
    }

private:
    std::size_t spawns = 0;
    float checksum = 0.0f;
};

template <std::size_t... I>
void RegisterStandIns(std::index_sequence<I...>) {
    Game::cGameFactory& factory = Game::cGameFactory::Instance();
    ((factory.GetFactory(kLevelKinds[I]) == nullptr &&
      factory.RegisterType<cStandIn<kLevelKinds[I]>>(kLevelKinds[I])),
     ...);
}

// The folder the target works in (the level file and Engine.log) and the
// factory with every level kind.
struct World {
    World() : folder(std::filesystem::temp_directory_path() / ("fuzz_level_" + std::to_string(getpid()))) {
        std::filesystem::create_directories(folder);
        if (chdir(folder.c_str()) != 0) std::abort();
        Game::cGameFactory::Instance().Register();
        RegisterStandIns(std::make_index_sequence<std::size(kLevelKinds)>());
    }
    ~World() {
        Game::cGameFactory::Instance().Shutdown();
        std::filesystem::remove_all(folder);
    }

    std::filesystem::path folder;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    static World world;
    Engine::cLog::Destroy();
    std::ofstream(world.folder / "Fuzzed.xml", std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), std::streamsize(size));
    Game::cLevelManager& levels = Game::cLevelManager::Instance();
    // Odd-sized inputs are loaded as the scene editor would (each time
    // spawner's waves read once), even-sized ones as play would.
    const int state = (size & 1) != 0 ? Game::cLevelManager::STATE_SCENE_EDITOR : 0;
    levels.current_state = [state] { return state; };
    levels.Load("Fuzzed", world.folder.string() + "/");
    Game::cGameFactory::Instance().ReleaseAll();
    Engine::cSceneManager::Instance().Flush();
    Game::cLevelManager::Destroy();
    return 0;
}
