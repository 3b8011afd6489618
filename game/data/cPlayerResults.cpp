#include "game/data/cPlayerResults.h"

#include "engine/core/XmlAttributes.h"

namespace Game {

bool cPlayerResults::Load(const std::string& player_folder, const std::string& shipped_folder) {
    results.clear();
    file = cPlayerFile(player_folder, shipped_folder, kFileName);
    return file.Read([this](tinyxml2::XMLElement& root) {
        for (auto* e = root.FirstChildElement("levelStat"); e != nullptr; e = e->NextSiblingElement("levelStat")) {
            results.push_back(Engine::ReadInt(e, "result", kNotWon));
        }
    });
}

int32_t cPlayerResults::Result(int32_t level) const {
    if (level < 0 || level >= LevelCount()) return kNotWon;
    return results[static_cast<size_t>(level)];
}

bool cPlayerResults::SetResult(int32_t level, int32_t value) {
    if (level < 0) return false;
    bool listed = false;
    const bool saved = file.Edit([level, value, &listed](tinyxml2::XMLElement& root) {
        auto* e = root.FirstChildElement("levelStat");
        for (int32_t i = 0; e != nullptr && i < level; ++i) e = e->NextSiblingElement("levelStat");
        if (e == nullptr) return false;
        e->SetAttribute("result", value);
        listed = true;
        return true;
    });
    // The win counts for this run even when the save fails; the save has logged why.
    if (listed && level < LevelCount()) results[static_cast<size_t>(level)] = value;
    return saved;
}

}  // namespace Game
