#include "game/states/cPlayHUD.h"

#include <cmath>
#include <cstdio>

#include "engine/ui/cGUIManager.h"
#include "game/entities/cKid.h"

namespace Game {

namespace {

constexpr float kCountdownWidth = 0.2f;
constexpr float kCountdownHeight = 0.08f;
constexpr std::uint8_t kCountdownLayer = 6;
// The countdown in warm amber, the colour of the challenge.
constexpr Engine::ColorRGBA kCountdownColour{1.0f, 0.70f, 0.20f, 1.0f};

}  // namespace

void cPlayHUD::Build() {
    Engine::cGUIManager& gui = Engine::cGUIManager::Instance();
    health_bar = gui.FindElement(kHealthBar);
    key_text = gui.FindElement(kKeyText);
    candy_text = gui.FindElement(kCandyText);
    if (health_bar != nullptr) {
        bar_full_x = health_bar->posX;
        bar_width = health_bar->width;
    }
    countdown = gui.CreateTextbox("", {kCountdownX, kCountdownY}, kCountdownName, kCountdownWidth,
                                  kCountdownHeight, kCountdownLayer);
    if (countdown != nullptr) countdown->Font().emissive = kCountdownColour;
}

void cPlayHUD::Forget() {
    if (countdown != nullptr) Engine::cGUIManager::Instance().DestroyElement(countdown);
    countdown = nullptr;
    health_bar = key_text = candy_text = nullptr;
}

void cPlayHUD::Update(const cKid& kid, std::uint32_t candy_total) {
    ShowHealth(HealthShare(kid.health, kid.damage));
    SetText(key_text, "x " + std::to_string(kid.keys));
    SetText(candy_text, std::to_string(kid.candy) + " / " + std::to_string(candy_total));
    if (countdown != nullptr) countdown->SetText(CountdownText(kid.ChallengeSeconds()));
}

std::string cPlayHUD::CountdownText(std::int32_t seconds) {
    if (seconds <= 0) return "";
    char text[32];
    std::snprintf(text, sizeof text, "%d:%02d", seconds / 60, seconds % 60);
    return text;
}

float cPlayHUD::HealthShare(float health, float damage) {
    if (std::isnan(damage)) return 0.0f;
    const float full = health > 0.0f ? health : 0.0f;
    const float hurt = damage > 0.0f ? damage : 0.0f;
    if (!(full > 0.0f)) return 0.0f;
    const float share = (full - hurt) / full;
    return share < 0.0f ? 0.0f : (share > 1.0f ? 1.0f : share);
}

// The bar keeps its left end and loses width from the right.
void cPlayHUD::ShowHealth(float share) {
    if (health_bar == nullptr) return;
    health_bar->SetScale({share, 1.0f});
    health_bar->SetPosition({bar_full_x - bar_width * (1.0f - share) / 2.0f, health_bar->posY});
}

void cPlayHUD::SetText(Engine::cUIElementBase* element, const std::string& text) {
    if (element == nullptr) return;
    if (element->kind == Engine::cUIElementBase::kTextbox) static_cast<Engine::cUITextbox*>(element)->SetText(text);
}

}  // namespace Game
