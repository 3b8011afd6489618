#pragma once
// cPlayHUD: what play shows over the level: the kid's health as a bar that
// shrinks toward its left end, the keys it carries, the candy taken out of
// the level's total, and the challenge countdown in the upper middle of the
// screen while a challenge runs. The bar and the counters are elements of
// "GameGUI.xml"; the countdown is a text box made here. A counter the layout
// lacks is logged once and left out.

#include <cstdint>
#include <string>

namespace Engine {
class cUIElementBase;
class cUITextbox;
}  // namespace Engine

namespace Game {

class cKid;

class cPlayHUD {
public:
    static constexpr const char* kHealthBar = "HUDHealthBar";
    static constexpr const char* kKeyText = "HUDKeyText";
    static constexpr const char* kCandyText = "HUDCandyText";
    static constexpr const char* kCountdownName = "countdownText";
    static constexpr float kCountdownX = 0.5f;
    static constexpr float kCountdownY = 0.8f;

    // Looks up the counters of the loaded layout and makes the countdown.
    void Build();
    // Gives the countdown back to the GUI and forgets every element.
    void Forget();
    // Shows the kid's state; candy_total is the level's.
    void Update(const cKid& kid, std::uint32_t candy_total);

    // The challenge time as the countdown shows it: minutes and two-digit seconds.
    static std::string CountdownText(std::int32_t seconds);
    // The share of its health the kid has left, 0 to 1.
    static float HealthShare(float health, float damage);

    Engine::cUITextbox* Countdown() const { return countdown; }

private:
    void ShowHealth(float share);
    static void SetText(Engine::cUIElementBase* element, const std::string& text);

    Engine::cUIElementBase* health_bar = nullptr;
    Engine::cUIElementBase* key_text = nullptr;
    Engine::cUIElementBase* candy_text = nullptr;
    Engine::cUITextbox* countdown = nullptr;
    // The bar's full width and centre as the layout placed it.
    float bar_full_x = 0.0f;
    float bar_width = 0.0f;
};

}  // namespace Game
