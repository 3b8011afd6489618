#pragma once
// cAchievementStore: the player's achievements, lifetime candy count and the
// queue of "achievement unlocked" banners.
//
// "PlayerData/achievementresult.xml" holds one "AchievementStat" per
// achievement (0 locked, 1 unlocked) and one "CandyCount"; changes are written
// through at once to the player's copy (see cPlayerFile).
//
// A newly unlocked achievement queues a banner. Each banner is shown for
// 8 seconds: it slides in from one unit left of its home position over
// 2 seconds, rests there until 6 seconds, and slides one unit to the right
// over the last 2; the next queued banner starts right after. The store keeps
// the timing and the banner's offset from home; the GUI layer places the
// banner art ("AchievementArt0" ... "AchievementArt9") from CurrentBanner().

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "engine/core/Singleton.h"
#include "engine/ui/UIGeometry.h"
#include "game/data/cPlayerFile.h"

namespace Engine {
class cUIElementBase;
}

namespace Game {

// The banner on show: which achievement, and its horizontal offset from its home position.
struct sBannerPlacement {
    int32_t index = 0;
    float offset_x = 0.0f;
};

class cAchievementStore : public Engine::Singleton<cAchievementStore> {
public:
    static constexpr const char* kFileName = "PlayerData/achievementresult.xml";
    static constexpr float kSlideDuration = 2.0f;
    static constexpr float kHoldEnd = 6.0f;
    static constexpr float kBannerEnd = 8.0f;
    static constexpr int32_t kBannerCount = 10;
    static constexpr const char* kBannerLayout = "AchievementLayout.xml";

    // Reads achievements and candy count from the player's copy, or the shipped one.
    bool Load(const std::string& player_folder, const std::string& shipped_folder);

    // True only for an achievement the file lists as unlocked.
    bool IsUnlocked(int32_t index) const;
    // Marks the achievement unlocked and writes it through; a banner is queued only when it was
    // locked before. False when the file does not list it or the save fails.
    bool Unlock(int32_t index);
    // Queues a banner without unlocking anything.
    void QueueBanner(int32_t index) { banner_queue.push_back(index); }
    // Builds the banner art from the layout in layout_folder and finds the ten
    // images; false when the layout cannot be read. Missing images stay undrawn.
    bool LoadBannerLayout(const std::string& layout_folder = "GameData/XML_Game/");
    // Advances the banner on show by dt seconds and places its art; a finished
    // banner is hidden, goes home and gives way to the next.
    void UpdateBanners(float dt);
    // The banner on show and where it is, or nothing when the queue is empty.
    std::optional<sBannerPlacement> CurrentBanner() const;
    size_t QueuedBanners() const { return banner_queue.size(); }

    void SetCandyCount(int32_t n) { candy_count = n; }
    int32_t CandyCount() const { return candy_count; }
    // Writes the candy count through; false when the file cannot be read or saved.
    bool SaveCandyCount() const;

    // The in-out "back" ease from start to end over duration, at time t; it overshoots both ends.
    static float EaseInOutBack(float t, float start, float end, float duration);

private:
    friend class Engine::Singleton<cAchievementStore>;
    cAchievementStore() = default;

    std::vector<int32_t> unlocked;
    cPlayerFile file{cPlayerFile::DefaultPlayerFolder(), cPlayerFile::kShippedFolder, kFileName};
    // The banner art of index, or null when it is missing or the GUI no longer holds it.
    Engine::cUIElementBase* BannerArt(int32_t index) const;
    void PlaceBanner(Engine::cUIElementBase& art) const;

    std::deque<int32_t> banner_queue;
    Engine::cUIElementBase* banner_art[kBannerCount] = {};
    Engine::UIVector2 banner_home{0.5f, 0.5f};
    float banner_time = 0.0f;
    int32_t candy_count = 0;
};

}  // namespace Game
