#include "app/Settings.h"

#include <array>
#include <utility>

#include "engine/audio/SoundManagerAccess.h"
#include "engine/audio/iSoundManager.h"
#include "engine/core/XmlAttributes.h"
#include "engine/core/cEngineSettings.h"
#include "engine/core/cXmlFile.h"
#include "engine/platform/cWindow.h"
#include "game/data/cGameData.h"

namespace Game {
namespace {

// The Settings element: the root's first Settings child, else the first
// top-level Settings element (the root itself may be it).
tinyxml2::XMLElement* FindSettingsElement(Engine::cXmlFile& file) {
    tinyxml2::XMLElement* root = file.First().element;
    if (root != nullptr) {
        if (tinyxml2::XMLElement* child = root->FirstChildElement("Settings")) return child;
    }
    return file.FindElement("Settings");
}

bool IsSaneSide(unsigned side) {
    return side >= 1 && side <= kMaxWindowSide;
}

}  // namespace

bool ReadSettings(unsigned& width, unsigned& height, bool& fullscreen, const std::string& path) {
    Engine::cXmlFile file(path);
    if (!file.IsOpen()) return false;
    const tinyxml2::XMLElement* settings = FindSettingsElement(file);
    width = Engine::ReadUnsigned(settings, "width", 0);
    height = Engine::ReadUnsigned(settings, "height", 0);
    fullscreen = Engine::ReadBool(settings, "fullscreen", false);
    cGameData::Instance().enable_tessary = Engine::ReadBool(settings, "EnableTessary", true);
    Engine::cEngineSettings::Instance().enforce_res = Engine::ReadBool(settings, "EnforceRes", false);
    return width != 0 && height != 0;
}

Engine::WindowDesc ResolveWindowDesc(bool settings_read, unsigned width, unsigned height, bool fullscreen) {
    Engine::WindowDesc desc;
    desc.caption = "Brambleby";
    const bool usable = settings_read && IsSaneSide(width) && IsSaneSide(height);
    desc.width = static_cast<int32_t>(usable ? width : kFallbackWidth);
    desc.height = static_cast<int32_t>(usable ? height : kFallbackHeight);
    desc.fullscreen = usable && fullscreen;
    return desc;
}

bool ReadDevSettings(GameStateId& state_id, const std::string& path) {
    Engine::cXmlFile file(path);
    if (!file.IsOpen()) return false;
    const tinyxml2::XMLElement* dev = file.FindElement("DevSettings");
    Engine::cEngineSettings::Instance().developer_mode = Engine::ReadBool(dev, "DeveloperMode", false);

    const std::string name = Engine::ReadString(dev, "InitialState", "NullState");
    if (name == "NullState") return false;
    if (Engine::iSoundManager* sound = Engine::GetSoundManager()) sound->SetMute(Engine::ReadInt(dev, "Sound", 0) == 0);
    Engine::cWindow::Instance().ShowSystemCursor(Engine::ReadInt(dev, "MouseCursor", 0) != 0);

    state_id = StateIdFromName(name);
    return state_id != StateNone;
}

GameStateId StateIdFromName(const std::string& name) {
    static const std::array<std::pair<const char*, GameStateId>, 9> kNames = {{
        {"MainMenu", StateMainMenu},
        {"Splash", StateSplash},
        {"Sandbox1", StateSandbox1},
        {"Sandbox2", StateSandbox2},
        {"Prototype1", StatePrototype1},
        {"Game", StateGame},
        {"SceneEditor", StateSceneEditor},
        {"ModelViewer", StateModelViewer},
        {"End", StateEnd},
    }};
    for (const auto& [text, id] : kNames) {
        if (name == text) return id;
    }
    return StateNone;
}

}  // namespace Game
