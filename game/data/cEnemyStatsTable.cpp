#include "game/data/cEnemyStatsTable.h"

#include "engine/core/XmlAttributes.h"
#include "engine/core/cLog.h"
#include "engine/core/cXmlFile.h"

namespace Game {

using Engine::ReadFloat;

namespace {

// The bomb's set: it explodes once instead of fighting, so it has radii and a fuse.
sEnemyStats ReadBombStats(const tinyxml2::XMLElement* e) {
    sEnemyStats stats;
    stats.health = ReadFloat(e, "Health", 100.0f);
    stats.speed = ReadFloat(e, "Speed", 1.0f);
    stats.attack_power = ReadFloat(e, "AttPower", 1.0f);
    stats.explode_radius = ReadFloat(e, "ExplodeRadius", 1.0f);
    stats.self_destruct_radius = ReadFloat(e, "SelfDestructRadius", 1.0f);
    stats.duration = ReadFloat(e, "Duration", 1.0f);
    return stats;
}

// The set every other kind reads.
sEnemyStats ReadCommonStats(const tinyxml2::XMLElement* e) {
    sEnemyStats stats;
    stats.health = ReadFloat(e, "Health", 100.0f);
    stats.speed = ReadFloat(e, "Speed", 1.0f);
    stats.speed2 = ReadFloat(e, "Speed2", 1.0f);
    stats.attack_power = ReadFloat(e, "AttPower", 1.0f);
    stats.distance_modifier = ReadFloat(e, "DistanceModifier", 1.0f);
    stats.death_tolerance = ReadFloat(e, "DeathTolerance", 1.0f);
    stats.interval = ReadFloat(e, "Interval", 1.0f);
    stats.interval2 = ReadFloat(e, "Interval2", 1.0f);
    stats.damage_rate = ReadFloat(e, "DamageRate", 1.0f);
    stats.regen_rate = ReadFloat(e, "RegenRate", 1.0f);
    return stats;
}

}  // namespace

bool cEnemyStatsTable::Load(const std::string& directory, const std::string& file_name) {
    records.clear();
    Engine::cXmlFile file(directory + file_name);
    if (!file.IsOpen()) {
        Engine::LogError("Cannot read enemy stats: " + file.Path() + "; no enemy can be set up");
        return false;
    }
    const tinyxml2::XMLElement* root = file.First().element;
    if (root == nullptr) return true;
    for (auto* e = root->FirstChildElement("EnemyStat"); e != nullptr; e = e->NextSiblingElement("EnemyStat")) {
        const std::string name = Engine::ReadString(e, "Name", "noName");
        records.emplace(name, name == "BombEnemy" ? ReadBombStats(e) : ReadCommonStats(e));
    }
    return true;
}

std::optional<sEnemyStats> cEnemyStatsTable::Find(const std::string& name) const {
    const auto found = records.find(name);
    if (found == records.end()) return std::nullopt;
    return found->second;
}

}  // namespace Game
