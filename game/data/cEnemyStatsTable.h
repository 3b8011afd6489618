#pragma once
// cEnemyStatsTable: the designers' numbers for each kind of enemy and trap.
//
// "GameStats/EnemyStats.xml" holds one "EnemyStat" element per kind, keyed by
// its "Name". Each enemy class looks its record up when it is spawned and
// copies the fields it uses, so reloading the table (every play state does so
// when it starts a run) changes only enemies spawned afterwards.
//
// The bomb reads its own set of attributes (it explodes rather than fights);
// every other kind reads the common set. Fields a record's set does not read
// keep their defaults: 100 for health, 1 for everything else. When a name
// occurs twice the first record wins. A file that cannot be read leaves the
// table empty, and is logged.

#include <map>
#include <optional>
#include <string>

#include "engine/core/Singleton.h"

namespace Game {

// One kind's numbers; which of them mean something depends on the kind.
struct sEnemyStats {
    float health = 100.0f;
    float speed = 1.0f;
    float speed2 = 1.0f;
    float attack_power = 1.0f;
    float distance_modifier = 1.0f;
    float explode_radius = 1.0f;
    float self_destruct_radius = 1.0f;
    float death_tolerance = 1.0f;
    float interval = 1.0f;
    float interval2 = 1.0f;
    float duration = 1.0f;
    float regen_rate = 1.0f;
    float damage_rate = 1.0f;
};

class cEnemyStatsTable : public Engine::Singleton<cEnemyStatsTable> {
public:
    // The folder and file the play states load.
    static constexpr const char* kDirectory = "./GameData/XML_Game/GameStats/";
    static constexpr const char* kFileName = "EnemyStats.xml";

    // Empties the table and fills it from directory + file_name; false when the file cannot be read.
    bool Load(const std::string& directory, const std::string& file_name);
    // The record named exactly name, or nothing.
    std::optional<sEnemyStats> Find(const std::string& name) const;
    // The whole table, in name order.
    const std::map<std::string, sEnemyStats>& Records() const { return records; }

private:
    friend class Engine::Singleton<cEnemyStatsTable>;
    cEnemyStatsTable() = default;

    std::map<std::string, sEnemyStats> records;
};

}  // namespace Game
