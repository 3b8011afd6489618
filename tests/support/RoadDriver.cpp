#include "tests/support/RoadDriver.h"

#include "app/GameStateId.h"
#include "app/cGameStateManager.h"
#include "engine/platform/VirtualKeys.h"
#include "engine/ui/cGUIManager.h"

namespace TestSupport {

namespace {

using eAction = Engine::cInputScript::eAction;

constexpr int kLevelButtons = 11;
// Where the menu parks the level buttons it does not offer.
constexpr float kParkedBelow = -9.0f;
constexpr const char* kRankGroups[] = {"Time", "Candy", "Skill", "Rank"};
constexpr const char* kLetters[] = {"S", "A", "B", "C", "D"};

Engine::cInputScript::Event MakeEvent(eAction action, int32_t first = 0, int32_t second = 0) {
    Engine::cInputScript::Event event;
    event.action = action;
    event.first = first;
    event.second = second;
    return event;
}

const Engine::cUIElementBase* Element(const std::string& name) {
    const auto& elements = Engine::cGUIManager::Instance().Elements();
    const auto found = elements.find(name);
    return found == elements.end() ? nullptr : found->second;
}

}  // namespace

// ---- The road -------------------------------------------------------------------

void RoadDriver::Step(float dt, unsigned) {
    RunPending();
    if (finished) return;
    const int32_t current = Game::cGameStateManager::Instance().current_id;
    if (current != state) Enter(current);
    switch (state) {
        case Game::StateSplash:
        case Game::StateTeamSplash: Splash(); break;
        case Game::StateMainMenu: MainMenu(); break;
        case Game::StatePrototype1: Play(dt); break;
        case Game::StateWinScreen: Results(); break;
        default: break;
    }
    time_in_state += dt;
}

void RoadDriver::Enter(int32_t new_state) {
    state = new_state;
    visited.push_back(new_state);
    time_in_state = 0.0f;
    step_in_state = 0;
    if (new_state == Game::StateMainMenu) ++menu_visits;
}

// Escape passes a splash screen at any time.
void RoadDriver::Splash() {
    if (step_in_state > 0 || time_in_state < 0.1f) return;
    pending.push_back({0, MakeEvent(eAction::KeyDown, Engine::kVK_ESCAPE)});
    pending.push_back({1, MakeEvent(eAction::KeyUp, Engine::kVK_ESCAPE)});
    step_in_state = 1;
}

// Open the level selection once the curtains stand open; on the first visit
// choose level 1, on the second only look and leave.
void RoadDriver::MainMenu() {
    if (step_in_state == 0 && time_in_state > kSettleSeconds) {
        if (Click("StartButton")) step_in_state = 1;
    } else if (step_in_state == 1 && time_in_state > 2.0f * kSettleSeconds) {
        ReadLevelChoice();
        step_in_state = 2;
        if (menu_visits == 1) {
            Click("SelectLevelPanel_button_1");
        } else {
            pending.push_back({0, MakeEvent(eAction::Close)});
            finished = true;
        }
    }
}

void RoadDriver::Play(float dt) { bot.Step(dt); }

void RoadDriver::Results() {
    if (step_in_state == 0 && time_in_state > kSettleSeconds) {
        bot.ReleaseAll();
        ReadRanks();
        if (Click("NextButton")) step_in_state = 1;
    }
}

// ---- Reading the screens -----------------------------------------------------

void RoadDriver::ReadLevelChoice() {
    sLevelChoice choice;
    for (int n = 1; n <= kLevelButtons; ++n) {
        const Engine::cUIElementBase* button = Element("SelectLevelPanel_button_" + std::to_string(n));
        choice.offered.push_back(button != nullptr && button->IsVisible() && button->posY > kParkedBelow &&
                                 button->posX > kParkedBelow);
    }
    choices.push_back(choice);
}

void RoadDriver::ReadRanks() {
    for (const char* group : kRankGroups) {
        std::string shown;
        for (const char* letter : kLetters) {
            const Engine::cUIElementBase* picture = Element(std::string(group) + "_" + letter);
            if (picture == nullptr || !picture->IsVisible()) continue;
            shown = shown.empty() ? letter : "?";
        }
        ranks[group] = shown.empty() ? "?" : shown;
    }
}

// ---- Input ----------------------------------------------------------------------

bool RoadDriver::Click(const std::string& name) {
    const Engine::cUIElementBase* element = Element(name);
    if (element == nullptr || !element->IsVisible()) return false;
    const Engine::ScreenRect& viewport = Engine::cGUIManager::Instance().Viewport();
    const Engine::UIVector2 at = element->GetScreenPosition();
    const auto x = static_cast<int32_t>(at.x + viewport.left);
    const auto y = static_cast<int32_t>(viewport.bottom - at.y);
    pending.push_back({0, MakeEvent(eAction::Move, x, y)});
    pending.push_back({1, MakeEvent(eAction::ButtonDown, 0)});
    pending.push_back({2, MakeEvent(eAction::ButtonUp, 0)});
    return true;
}

void RoadDriver::RunPending() {
    std::vector<sPending> later;
    for (sPending& waiting : pending) {
        if (waiting.delay-- <= 0) {
            Engine::cInputScript::Push(waiting.event);
        } else {
            later.push_back(waiting);
        }
    }
    pending = std::move(later);
}

}  // namespace TestSupport
