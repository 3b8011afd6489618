#include "app/cDeveloperKeys.h"

#include <algorithm>
#include <cstdint>

#include "app/cGameStateManager.h"
#include "engine/platform/VirtualKeys.h"
#include "engine/platform/cKeyboardState.h"
#include "engine/platform/cWindow.h"
#include "game/data/cLevelManager.h"

namespace Game {

void cDeveloperKeys::Process(const Engine::cKeyboardState& keyboard, cGameStateManager& manager) {
    const bool ctrl = keyboard.IsDown(Engine::kVK_CONTROL);
    auto pressed = [&keyboard](int key) { return keyboard.WasPressed(key); };

    if (ctrl && pressed(Engine::kVK_F1)) manager.next_id = StatePrototype1;
    if (ctrl && pressed(Engine::kVK_F3)) manager.next_id = StateSandbox3;
    if (ctrl && pressed(Engine::kVK_F4)) {
        // The editor opens the level as it is written, not as a restart left it.
        cLevelManager::Instance().checkpoint.Clear();
        Engine::cWindow::Instance().ShowSystemCursor(true);
        manager.next_id = StateSceneEditor;
    }
    if (ctrl && pressed('R')) manager.next_id = StateRestart;
    if (pressed(Engine::kVK_F5)) {
        ++cLevelManager::Instance().current_number;
        manager.next_id = StateRestart;
    }
    if (pressed(Engine::kVK_F6)) {
        std::int32_t& level = cLevelManager::Instance().current_number;
        level = std::max(0, level - 1);
        manager.next_id = StateRestart;
    }
    if (pressed(Engine::kVK_F7)) manager.next_id = StateModelViewer;
}

}  // namespace Game
