#include "game/data/cAchievementStore.h"

#include "engine/core/XmlAttributes.h"
#include "engine/ui/cGUIManager.h"

namespace Game {

namespace {

constexpr int32_t kUnknown = -1;

tinyxml2::XMLElement* NthAchievement(tinyxml2::XMLElement& root, int32_t index) {
    if (index < 0) return nullptr;
    auto* e = root.FirstChildElement("AchievementStat");
    for (int32_t i = 0; e != nullptr && i < index; ++i) e = e->NextSiblingElement("AchievementStat");
    return e;
}

}  // namespace

bool cAchievementStore::Load(const std::string& player_folder, const std::string& shipped_folder) {
    unlocked.clear();
    file = cPlayerFile(player_folder, shipped_folder, kFileName);
    return file.Read([this](tinyxml2::XMLElement& root) {
        for (auto* e = root.FirstChildElement("AchievementStat"); e != nullptr;
             e = e->NextSiblingElement("AchievementStat")) {
            unlocked.push_back(Engine::ReadInt(e, "result", kUnknown));
        }
        candy_count = Engine::ReadInt(root.FirstChildElement("CandyCount"), "count", 0);
    });
}

bool cAchievementStore::IsUnlocked(int32_t index) const {
    return index >= 0 && index < static_cast<int32_t>(unlocked.size()) && unlocked[static_cast<size_t>(index)] == 1;
}

bool cAchievementStore::Unlock(int32_t index) {
    bool listed = false;
    const bool saved = file.Edit([index, &listed](tinyxml2::XMLElement& root) {
        tinyxml2::XMLElement* e = NthAchievement(root, index);
        if (e == nullptr) return false;
        e->SetAttribute("result", 1);
        listed = true;
        return true;
    });
    if (listed && index < static_cast<int32_t>(unlocked.size())) {
        int32_t& entry = unlocked[static_cast<size_t>(index)];
        if (entry == 0) banner_queue.push_back(index);
        entry = 1;
    }
    return saved;
}

bool cAchievementStore::SaveCandyCount() const {
    const int32_t count = candy_count;
    return file.Edit([count](tinyxml2::XMLElement& root) {
        tinyxml2::XMLElement* e = root.FirstChildElement("CandyCount");
        if (e == nullptr) e = root.InsertNewChildElement("CandyCount");
        e->SetAttribute("count", count);
        return true;
    });
}

bool cAchievementStore::LoadBannerLayout(const std::string& layout_folder) {
    Engine::cGUIManager& gui = Engine::cGUIManager::Instance();
    const bool loaded = gui.LoadLayout(layout_folder + kBannerLayout);
    for (int32_t i = 0; i < kBannerCount; ++i) {
        banner_art[i] = loaded ? gui.FindElement("AchievementArt" + std::to_string(i)) : nullptr;
    }
    if (banner_art[0] != nullptr) banner_home = {banner_art[0]->posX, banner_art[0]->posY};
    return loaded;
}

// The pointers outlive the layout when a state clears the GUI, and the pool
// hands the released images to other users: only art still registered under
// its own name is touched.
Engine::cUIElementBase* cAchievementStore::BannerArt(int32_t index) const {
    if (index < 0 || index >= kBannerCount || banner_art[index] == nullptr) return nullptr;
    Engine::cUIElementBase* art = banner_art[index];
    const auto& elements = Engine::cGUIManager::Instance().Elements();
    const auto found = elements.find("AchievementArt" + std::to_string(index));
    return found != elements.end() && found->second == art ? art : nullptr;
}

void cAchievementStore::UpdateBanners(float dt) {
    if (banner_queue.empty()) return;
    banner_time += dt;
    Engine::cUIElementBase* art = BannerArt(banner_queue.front());
    if (banner_time >= kBannerEnd) {
        if (art != nullptr) {
            art->SetVisible(false);
            art->SetPosition(banner_home);
        }
        banner_queue.pop_front();
        banner_time = 0.0f;
        return;
    }
    if (art != nullptr) PlaceBanner(*art);
}

void cAchievementStore::PlaceBanner(Engine::cUIElementBase& art) const {
    const std::optional<sBannerPlacement> banner = CurrentBanner();
    art.SetVisible(true);
    art.SetPosition({banner_home.x + banner->offset_x, banner_home.y});
}

std::optional<sBannerPlacement> cAchievementStore::CurrentBanner() const {
    if (banner_queue.empty()) return std::nullopt;
    float offset = 0.0f;
    if (banner_time < kSlideDuration) {
        offset = EaseInOutBack(banner_time, 0.0f, 1.0f, kSlideDuration) - 1.0f;
    } else if (banner_time >= kHoldEnd) {
        offset = EaseInOutBack(banner_time - kHoldEnd, 0.0f, 1.0f, kBannerEnd - kHoldEnd);
    }
    return sBannerPlacement{banner_queue.front(), offset};
}

float cAchievementStore::EaseInOutBack(float t, float start, float end, float duration) {
    constexpr float s = 2.5949094f;
    const float c = end - start;
    const float u = t / (duration / 2.0f);
    if (u < 1.0f) return start + c / 2.0f * u * u * ((s + 1.0f) * u - s);
    const float v = u - 2.0f;
    return start + c / 2.0f * (v * v * ((s + 1.0f) * v + s) + 2.0f);
}

}  // namespace Game
