#include "game/data/cLevelStats.h"

#include "engine/core/XmlAttributes.h"
#include "engine/core/cLog.h"
#include "engine/core/cXmlFile.h"

namespace Game {

using Engine::ReadInt;

bool cLevelStats::Load(const std::string& path) {
    rank_times.clear();
    Engine::cXmlFile file(path);
    if (!file.IsOpen()) {
        Engine::LogError("Cannot read level rank times: " + file.Path());
        return false;
    }
    const tinyxml2::XMLElement* root = file.First().element;
    if (root == nullptr) return true;
    for (auto* e = root->FirstChildElement("levelStat"); e != nullptr; e = e->NextSiblingElement("levelStat")) {
        rank_times.push_back({ReadInt(e, "rank_1_time", 30), ReadInt(e, "rank_2_time", 40),
                              ReadInt(e, "rank_3_time", 50), ReadInt(e, "rank_4_time", 60)});
    }
    return true;
}

std::optional<sRankTimes> cLevelStats::RankTimes(int32_t level_number) const {
    if (level_number < 0 || level_number >= LevelCount()) return std::nullopt;
    return rank_times[static_cast<size_t>(level_number)];
}

}  // namespace Game
