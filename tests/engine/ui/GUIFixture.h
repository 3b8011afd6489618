#pragma once
// GUIFixture: the sprite fixture's headless resources plus a fresh GUI
// manager over a 1000 x 500 viewport at the window's corner, drawing into the
// recording layers, with fresh mouse and keyboard states and a sound manager
// that writes down every sound played. Texture sets: "buttonTS" (four 64 x 64
// cells) and "textboxTS" (two).

#include <memory>
#include <string>
#include <vector>

#include "engine/audio/SoundManagerAccess.h"
#include "engine/platform/cKeyboardState.h"
#include "engine/platform/cMouseState.h"
#include "engine/ui/cGUIManager.h"
#include "tests/engine/audio/RecordingSounds.h"
#include "tests/engine/render/scene/SpriteFixture.h"

class GUIFixture : public SpriteFixture {
protected:
    GUIFixture() {
        ResetInput();
        MakeSheet("buttonTS", 256, 64);
        MakeSheet("textboxTS", 128, 64);
        Engine::InstallSoundManager(std::make_unique<RecordingSounds>(sounds, &volumes));
        gui().SetSpriteLayers(&layers);
        gui().OnViewportResize(Engine::ScreenRect{0.0f, 0.0f, 1000.0f, 500.0f});
    }

    ~GUIFixture() override {
        ResetInput();
        Engine::DestroySoundManager();
    }

    static void ResetInput() {
        Engine::cGUIManager::Destroy();
        Engine::cMouseState::Destroy();
        Engine::cKeyboardState::Destroy();
    }

    static Engine::cGUIManager& gui() { return Engine::cGUIManager::Instance(); }

    // Window positions (origin top left) of a point in GUI pixels of the 1000 x 500 viewport.
    static void MoveTo(float gui_x, float gui_y) {
        Engine::cMouseState::Instance().Move(static_cast<int32_t>(gui_x), static_cast<int32_t>(500.0f - gui_y));
    }
    static void Click(int button = 0) {
        Engine::cMouseState::Instance().ButtonDown(button);
        Engine::cMouseState::Instance().ButtonUp(button);
    }

    std::vector<std::string> sounds;
    std::vector<float> volumes;
};
