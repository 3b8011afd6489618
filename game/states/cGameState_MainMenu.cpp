#include "game/states/cGameState_MainMenu.h"

#include <algorithm>
#include <cmath>

#include "app/cGameStateManager.h"
#include "engine/audio/SoundManagerAccess.h"
#include "engine/audio/iSoundManager.h"
#include "engine/core/Quaternion.h"
#include "engine/core/Random.h"
#include "engine/core/cEngineSettings.h"
#include "engine/core/cLog.h"
#include "engine/particles/cParticleManager.h"
#include "engine/physics/cCollisionManager.h"
#include "engine/physics/cPhysicsWorld.h"
#include "engine/platform/VirtualKeys.h"
#include "engine/platform/cKeyboardState.h"
#include "engine/resource/cMaterial.h"
#include "engine/resource/cMaterialManager.h"
#include "engine/resource/cResourceSystem.h"
#include "engine/ui/cGUIManager.h"
#include "game/data/cAchievementStore.h"
#include "game/data/cEnemyStatsTable.h"
#include "game/data/cLevelManager.h"
#include "game/data/cPlayerResults.h"
#include "game/entities/cDevCamera.h"
#include "game/entities/cGlobalEffects.h"
#include "game/entities/cKid.h"
#include "game/states/GUILooks.h"
#include "game/states/OptionActions.h"

namespace Game {

using Engine::cGUIManager;
using Engine::cUIElementBase;
using Engine::Vector3;

namespace {

constexpr const char* kMainButtons[] = {"StartButton",     "OptionButton", "CreditsButton",
                                        "HowToPlayButton", "ExitButton",   "AchievementButton"};
constexpr const char* kTitle = "MainMenuBG";
constexpr const char* kTitleGlow = "MainMenuBGWhite";
constexpr const char* kAlphaBlender = "MenuAlphaBlender";
constexpr const char* kLoadingScreen = "LoadingScreen";
constexpr const char* kLeftCurtain = "LeftCurtain";
constexpr const char* kRightCurtain = "RightCurtain";
constexpr const char* kCompanionSuffix = "Text";
constexpr const char* kMuteButton = "OptionsPanel_button_0";
constexpr const char* kBackButtons[] = {"CreditsPanel_button_0", "AchievementPanel_button_0", "HowToPlayPanel_button_1",
                                        "QuitConfirmPanel_button_1", "OptionsPanel_button_2",
                                        "SelectLevelPanel_button_0"};
struct sResolutionButton {
    const char* button;
    std::int32_t width;
    std::int32_t height;
};
constexpr sResolutionButton kResolutionButtons[] = {
    {"OptionsPanel_button_3", 1280, 960}, {"OptionsPanel_button_4", 1024, 768}, {"OptionsPanel_button_5", 1440, 1080}};

// The two views of the kid the menu chooses between, each from its offset
// to the kid and its orbit angles; the second first moves and turns her.
constexpr Vector3 kFirstEyeOffset{4.0f, 0.0f, 0.0f};
constexpr float kFirstLatitude = 35.0f;
constexpr float kFirstAzimuth = 305.0f;
constexpr float kSecondKidX = -4.8f;
constexpr float kSecondKidZ = 1.0f;
constexpr float kSecondKidTurn = 30.0f;
constexpr Vector3 kSecondEyeOffset{4.6f, 0.0f, 0.0f};
constexpr float kSecondLatitude = 53.0f;
constexpr float kSecondAzimuth = 278.0f;

constexpr float kTitleGlowAlpha = 0.4f;
constexpr float kBlenderAlpha = 0.85f;
constexpr const char* kShaderMaterials[] = {"StandardMat", "ShadowMat"};

std::string LevelButton(int n) { return "SelectLevelPanel_button_" + std::to_string(n); }
std::string LevelImage(int n) { return "SelectLevelPanel_image_" + std::to_string(n); }
std::string AchievementImage(int n) { return "AchievementPanel_image_" + std::to_string(n); }

// The quadratic ease-in-out from 0 to 1 over a duration of 1.
float EaseInOut(float x) { return x < 0.5f ? 2.0f * x * x : -0.5f * ((2.0f * x - 1.0f) * (2.0f * x - 3.0f) - 1.0f); }

}  // namespace

// ---- Enter ----------------------------------------------------------------------

void cGameState_MainMenu::Enter() {
    UnlockCompletionAchievement();
    LoadScreen();
    InstallCallbacks();
    cGUIManager::Instance().ShowCursor();
    if (Engine::iSoundManager* sound = Engine::GetSoundManager()) sound->Play(kMusic, true, 1.0f);
    cGlobalEffects::Instance().Create();
    ShowBackdrop();
    panelOpen = false;
    LookUpElements();
    LockLevels();
    slider.Build("OptionsPanel_button_6", "OptionsPanel_button_7", "OptionsPanel_button_8");
    slider.Update(1.0f);
    ShowAchievementPictures();
    levelsUnlocked = false;
    SwitchShadersOn();
    cAchievementStore::Instance().LoadBannerLayout(kLayoutFolder);
    curtains.Start(Find(kLeftCurtain), Find(kRightCurtain));
    panelBlend = 0.0f;
    glowTime = 0.0f;
    CrossFade(0.0f);
}

// Every one of the first ten levels won with C or better.
void cGameState_MainMenu::UnlockCompletionAchievement() {
    const cPlayerResults& results = cPlayerResults::Instance();
    for (int level = 0; level < kOfferedLevels; ++level) {
        if (results.Result(level) <= 0) return;
    }
    cAchievementStore::Instance().Unlock(9);
}

void cGameState_MainMenu::LoadScreen() {
    if (cGUIManager::Instance().LoadLayout(kLayoutFolder + std::string(kLayout))) {
        WriteTextsInMoonlight();
    } else {
        Engine::LogError("the main menu has no layout: " + std::string(kLayout) + " could not be read");
    }
    Engine::cParticleManager::Instance().Start();
    cEnemyStatsTable::Instance().Load(kStatsFolder, kStatsFile);
}

void cGameState_MainMenu::InstallCallbacks() {
    cGUIManager& gui = cGUIManager::Instance();
    // The main buttons act only while the curtains stand open; how to play always does.
    auto panel_button = [this, &gui](const char* button, sPanel& panel) {
        gui.SetButtonCallback(button, [this, &panel](auto*) {
            if (curtains.IsOpen()) OpenPanel(panel);
        });
    };
    gui.SetButtonCallback("StartButton", [this](auto*) {
        if (curtains.IsOpen()) OpenLevelPanel();
    });
    panel_button("OptionButton", optionsPanel);
    panel_button("CreditsButton", creditsPanel);
    panel_button("ExitButton", quitPanel);
    panel_button("AchievementButton", achievementPanel);
    gui.SetButtonCallback("HowToPlayButton", [this](auto*) { OpenPanel(howToPlayPanel); });
    for (const char* back : kBackButtons) gui.SetButtonCallback(back, [this](auto*) { Back(); });
    gui.SetButtonCallback("QuitConfirmPanel_button_0", [](auto*) { Request(StateQuit); });
    for (int n = 1; n <= kLevelButtons; ++n) {
        gui.SetButtonCallback(LevelButton(n), [this, n](auto*) { ChooseLevel(n); });
        gui.SetButtonHoverCallback(LevelButton(n), [this, n](auto*) { HoverLevel(n); });
    }
    gui.SetButtonCallback(kMuteButton, [](auto*) { ToggleMute(kMuteButton); });
    gui.SetButtonCallback("OptionsPanel_button_1", [](auto*) { ToggleFullscreen(); });
    for (const sResolutionButton& r : kResolutionButtons) {
        gui.SetButtonCallback(r.button, [r](auto*) { ChooseResolution(r.width, r.height); });
    }
    ShowMuteState(kMuteButton);
}

// The kid in her garden, seen up close from one of two sides.
void cGameState_MainMenu::ShowBackdrop() {
    if (!backdrop.Show(kBackdrop)) return;
    backdrop.Kid()->intro_light_done = true;
    PlaceCamera();
}

// The second view moves the kid across her garden; she keeps the height
// of her ground, so she stands on it whatever the level's floor.
void cGameState_MainMenu::PlaceCamera() {
    cKid& kid = *backdrop.Kid();
    cDevCamera* camera = backdrop.Camera();
    if (camera == nullptr) return;
    const bool first_view = (Engine::Rand() & 1) == 0;
    if (!first_view) {
        kid.position = {kSecondKidX, kid.position.y, kSecondKidZ};
        kid.rotation =
            (kid.rotation * Engine::Quaternion::FromAxisAngle({0.0f, 1.0f, 0.0f}, kSecondKidTurn * 0.017453292f))
                .Normalised();
    }
    camera->SetEye(kid.position + (first_view ? kFirstEyeOffset : kSecondEyeOffset));
    camera->SetTarget(kid.position);
    camera->SetOrbitLatitude(first_view ? kFirstLatitude : kSecondLatitude);
    camera->SetOrbitAzimuth(first_view ? kFirstAzimuth : kSecondAzimuth);
}

void cGameState_MainMenu::LookUpElements() {
    mainGroup.clear();
    for (const char* name : kMainButtons) mainGroup.push_back(Find(name));
    mainGroup.push_back(Find(kTitle));
    glowImage = Find(kTitleGlow);
    mainGroup.push_back(glowImage);
    alphaBlender = Find(kAlphaBlender);
    loadingScreen = Find(kLoadingScreen);
    if (loadingScreen != nullptr) loadingScreen->SetVisible(false);

    const std::pair<sPanel*, const char*> panels[] = {
        {&levelPanel, "SelectLevelPanel"}, {&optionsPanel, "OptionsPanel"},     {&creditsPanel, "CreditsPanel"},
        {&quitPanel, "QuitConfirmPanel"},  {&howToPlayPanel, "HowToPlayPanel"}, {&achievementPanel, "AchievementPanel"}};
    for (const auto& [panel, name] : panels) {
        panel->name = name;
        cUIElementBase* element = Find(name);
        panel->panel = element != nullptr && element->kind == cUIElementBase::kPanel
                           ? static_cast<Engine::cUIPanel*>(element)
                           : nullptr;
        panel->companions.clear();
        const std::string prefix = std::string(name) + kCompanionSuffix;
        for (const auto& [element_name, companion] : cGUIManager::Instance().Elements()) {
            if (element_name.compare(0, prefix.size(), prefix) == 0) panel->companions.push_back(companion);
        }
    }
    for (int i = 0; i < kLevelButtons; ++i) levelButtons[i] = Find(LevelButton(i + 1));
    for (std::size_t i = 0; i < previews.size(); ++i) previews[i] = Find(LevelImage(12 + static_cast<int>(i)));
    for (int r = 0; r < kRankBadges; ++r) badges[r] = Find(LevelImage(24 + r));
    for (int i = 0; i < kOfferedLevels; ++i) lockPlates[i] = Find(LevelImage(30 + i));
}

// Level 1 is always offered; each further level once every level before it
// has a result. The eleventh button is never offered.
void cGameState_MainMenu::LockLevels() {
    const cPlayerResults& results = cPlayerResults::Instance();
    int offered = kOfferedLevels;
    for (int i = 1; i <= kOfferedLevels; ++i) {
        if (results.Result(i - 1) < 0) {
            offered = i;
            break;
        }
    }
    for (int n = offered + 1; n <= kLevelButtons; ++n) {
        if (cUIElementBase* button = levelButtons[n - 1]) button->SetPosition({button->posX, kParkedY});
    }
    if (cUIElementBase* last = levelButtons[kLevelButtons - 1]) last->SetPosition({kParkedY, kParkedY});
    Engine::LogEngine("Main menu: levels 1 to " + std::to_string(offered) + " are offered");
}

bool cGameState_MainMenu::LevelOffered(int n) const {
    if (n < 1 || n > kLevelButtons) return false;
    const cUIElementBase* button = levelButtons[n - 1];
    return button != nullptr && button->posY > kParkedY;
}

// The picture of each achievement's state stays; the other goes far away.
void cGameState_MainMenu::ShowAchievementPictures() {
    const cAchievementStore& store = cAchievementStore::Instance();
    for (int i = 0; i < kAchievements; ++i) {
        const int away = store.IsUnlocked(i) ? 1 + i : 11 + i;
        if (cUIElementBase* picture = Find(AchievementImage(away))) picture->SetPosition({kAwayXY, kAwayXY});
    }
}

void cGameState_MainMenu::SwitchShadersOn() {
    Engine::cMaterialManager* materials = Engine::cResourceSystem::Instance().MaterialManager();
    if (materials == nullptr) return;
    for (const char* name : kShaderMaterials) {
        if (Engine::cMaterial* material = materials->Find(name)) material->SetUseShader(true);
    }
}

// ---- Button actions -------------------------------------------------------------

void cGameState_MainMenu::OpenPanel(sPanel& panel) {
    ShowPanel(panel, true);
    panelOpen = true;
}

void cGameState_MainMenu::OpenLevelPanel() {
    OpenPanel(levelPanel);
    HidePreviewsAndBadges();
    for (int i = 0; i < kOfferedLevels; ++i) {
        if (lockPlates[i] != nullptr) lockPlates[i]->SetVisible(!LevelOffered(i + 1));
    }
}

// The panel itself goes with the cross-fade.
void cGameState_MainMenu::Back() {
    for (int r = 0; r < kRankBadges - 1; ++r) {
        if (badges[r] != nullptr) badges[r]->SetVisible(false);
    }
    panelOpen = false;
}

void cGameState_MainMenu::ChooseLevel(int button) {
    if (!curtains.Close()) return;
    cLevelManager& levels = cLevelManager::Instance();
    levels.current_number = button - 1;
    // Another level than the last one loaded, so the checkpoint record starts afresh.
    levels.loaded_number = static_cast<std::uint32_t>(-1);
    cGUIManager::Instance().HideCursor();
}

void cGameState_MainMenu::HoverLevel(int button) {
    HidePreviewsAndBadges();
    if (cUIElementBase* preview = previews[button - 1]) preview->SetVisible(true);
    const int rank = cPlayerResults::Instance().Result(button - 1);
    if (rank >= 0 && rank < kRankBadges && badges[rank] != nullptr) badges[rank]->SetVisible(true);
}

void cGameState_MainMenu::HidePreviewsAndBadges() {
    for (cUIElementBase* preview : previews) {
        if (preview != nullptr) preview->SetVisible(false);
    }
    for (cUIElementBase* badge : badges) {
        if (badge != nullptr) badge->SetVisible(false);
    }
}

// ---- Per frame ------------------------------------------------------------------

void cGameState_MainMenu::Update(float dt) {
    cGUIManager::Instance().Update(dt);
    backdrop.Update(dt);
    if (curtains.Update(dt)) {
        if (loadingScreen != nullptr) loadingScreen->SetVisible(true);
        Request(StatePrototype1);
    }
    CrossFade(dt);
    Glow(dt);
    slider.Update(1.0f);
    if (Engine::cEngineSettings::Instance().developer_mode) DeveloperKeys();
    cAchievementStore::Instance().UpdateBanners(dt);
}

// The main group fades out over the first half of the blend, the open
// panel in over the second; the way back is the reverse.
void cGameState_MainMenu::CrossFade(float dt) {
    panelBlend = std::clamp(panelBlend + (panelOpen ? dt : -dt) / kFadeSeconds, 0.0f, 1.0f);
    if (panelBlend >= 0.5f) {
        ShowMainGroup(false);
    } else {
        ShowMainGroup(true);
        if (!panelOpen) {
            for (sPanel* panel : {&levelPanel, &optionsPanel, &creditsPanel, &quitPanel, &howToPlayPanel,
                                  &achievementPanel}) {
                ShowPanel(*panel, false);
            }
        }
    }
    SetMainGroupAlpha(1.0f - 2.0f * std::min(panelBlend, 0.5f));
    const float panel_alpha = 2.0f * std::max(panelBlend - 0.5f, 0.0f);
    for (const sPanel* panel :
         {&levelPanel, &optionsPanel, &creditsPanel, &quitPanel, &howToPlayPanel, &achievementPanel}) {
        SetPanelAlpha(*panel, panel_alpha);
    }
}

// The title's glow breathes; the backdrop darkens under an open panel.
void cGameState_MainMenu::Glow(float dt) {
    glowTime += dt;
    const float main_alpha = 1.0f - 2.0f * std::min(panelBlend, 0.5f);
    SetElementAlpha(glowImage, (kTitleGlowAlpha + std::sin(glowTime) / 10.0f) * main_alpha);
    SetElementAlpha(alphaBlender, kBlenderAlpha * EaseInOut(panelBlend));
}

void cGameState_MainMenu::DeveloperKeys() {
    const Engine::cKeyboardState& keys = Engine::cKeyboardState::Instance();
    if (keys.WasPressed(Engine::kVK_F11)) {
        cAchievementStore::Instance().QueueBanner(nextBanner);
        nextBanner = (nextBanner + 1) % kAchievements;
    }
    if (keys.WasPressed(Engine::kVK_F12)) UnlockAllLevels();
}

void cGameState_MainMenu::UnlockAllLevels() {
    levelsUnlocked = true;
    const cUIElementBase* first = levelButtons[0];
    if (first == nullptr) return;
    for (cUIElementBase* button : levelButtons) {
        if (button != nullptr) button->SetPosition({button->posX, first->posY});
    }
    for (cUIElementBase* plate : lockPlates) {
        if (plate != nullptr) plate->SetVisible(false);
    }
}

// ---- Elements -------------------------------------------------------------------

// The element, or null with the GUI's log line; the menu skips it from then on.
cUIElementBase* cGameState_MainMenu::Find(const std::string& name) const {
    return cGUIManager::Instance().FindElement(name);
}

void cGameState_MainMenu::ShowPanel(sPanel& panel, bool shown) {
    if (panel.panel != nullptr) panel.panel->SetVisible(shown);
    for (cUIElementBase* companion : panel.companions) companion->SetVisible(shown);
}

void cGameState_MainMenu::SetPanelAlpha(const sPanel& panel, float alpha) {
    if (panel.panel != nullptr) {
        SetElementAlpha(panel.panel, alpha);
        for (const auto& [child, offset] : panel.panel->Children()) SetElementAlpha(child, alpha);
    }
    for (cUIElementBase* companion : panel.companions) SetElementAlpha(companion, alpha);
}

void cGameState_MainMenu::SetMainGroupAlpha(float alpha) {
    for (cUIElementBase* element : mainGroup) {
        if (element != glowImage) SetElementAlpha(element, alpha);
    }
}

void cGameState_MainMenu::ShowMainGroup(bool shown) {
    for (cUIElementBase* element : mainGroup) {
        if (element != nullptr) element->SetVisible(shown);
    }
}

void cGameState_MainMenu::Request(std::int32_t state) {
    if (cGameStateManager::Instance().next_id == state) return;
    cGameStateManager::Instance().next_id = state;
    Engine::LogEngine("Main menu: asks for state " + std::to_string(state));
}

// ---- Exit -----------------------------------------------------------------------

void cGameState_MainMenu::Exit() {
    cGUIManager& gui = cGUIManager::Instance();
    gui.HideCursor();
    slider.Forget();
    curtains.Start(nullptr, nullptr);
    mainGroup.clear();
    glowImage = alphaBlender = loadingScreen = nullptr;
    for (sPanel* panel : {&levelPanel, &optionsPanel, &creditsPanel, &quitPanel, &howToPlayPanel, &achievementPanel}) {
        *panel = sPanel{};
    }
    levelButtons.fill(nullptr);
    previews.fill(nullptr);
    lockPlates.fill(nullptr);
    badges.fill(nullptr);
    gui.Clear();
    if (Engine::iSoundManager* sound = Engine::GetSoundManager()) sound->StopAll();
    Engine::cParticleManager::Instance().Clear();
    cGlobalEffects::Instance().Forget();
    backdrop.Clear();
    Engine::cPhysicsWorld::Instance().ClearObjects();
    Engine::cCollisionManager::Instance().Clear();
}

}  // namespace Game
