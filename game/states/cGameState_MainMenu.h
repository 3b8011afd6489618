#pragma once
// cGameState_MainMenu: the main menu (state 3), where every run of the game
// comes back to.
//
// The menu stands over a small backdrop level, the kid in her garden seen up
// close, with the game's title, six main buttons and six panels built from
// "MainMenuGUI.xml": level selection, options, credits, how to play, quit
// confirmation and achievements. A main button opens its panel with a
// cross-fade: the main group fades out over half a second, then the panel
// fades in over the next half; a back button runs the fade the other way.
//
// Level selection offers level 1 always and each further level once every
// level before it has a result; a locked level shows a locked plate in its
// place. Hovering a level shows its preview and the badge of its stored rank.
// Choosing a level closes the curtains, shows the loading picture and starts
// play on it. The options panel toggles sound and full screen, picks one of
// three windowed resolutions and carries the volume slider; the achievements
// panel shows each achievement's picture locked or unlocked.
//
// Panel texts that are not the panel's own children are top-level elements
// named after the panel followed by "Text" (any suffix after that): they show,
// hide and fade with their panel. Every element is looked up once on Enter;
// one the layout lacks is logged then and skipped ever after.
//
// Developer keys (developer mode only): F11 sends the next achievement's
// banner across, F12 unlocks every level button for this visit.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "game/states/cBackdropScene.h"
#include "game/states/cBasicGameState.h"
#include "game/states/cCurtains.h"
#include "game/states/cVolumeSlider.h"

namespace Engine {
class cUIElementBase;
class cUIPanel;
}  // namespace Engine

namespace Game {

class cGameState_MainMenu : public cBasicGameState {
public:
    static constexpr const char* kLayoutFolder = "GameData/XML_Game/";
    static constexpr const char* kLayout = "MainMenuGUI.xml";
    static constexpr const char* kStatsFolder = "GameData/XML_Game/GameStats/";
    static constexpr const char* kStatsFile = "EnemyStats.xml";
    static constexpr const char* kBackdrop = "MenuLevel";
    static constexpr const char* kMusic = "MainMenuBGSound";
    // Level buttons 1 to 11 play levels 0 to 10; the eleventh is never offered.
    static constexpr int kLevelButtons = 11;
    static constexpr int kOfferedLevels = 10;
    static constexpr int kAchievements = 10;
    static constexpr int kRankBadges = 6;
    // The seconds each half of the cross-fade takes is half of this.
    static constexpr float kFadeSeconds = 1.0f;
    // Where the spare pictures wait: far off screen.
    static constexpr float kParkedY = -10.0f;
    static constexpr float kAwayXY = 100.0f;

    void Enter() override;
    void Update(float dt) override;
    void Exit() override;

    // What tests look at.
    float PanelBlend() const { return panelBlend; }
    bool PanelOpen() const { return panelOpen; }
    const cCurtains& Curtains() const { return curtains; }
    bool LevelsUnlocked() const { return levelsUnlocked; }
    const cBackdropScene& Backdrop() const { return backdrop; }
    // Whether level button n (1 to 11) is offered on the level panel.
    bool LevelOffered(int n) const;

private:
    struct sPanel {
        std::string name;
        Engine::cUIPanel* panel = nullptr;
        std::vector<Engine::cUIElementBase*> companions;
    };

    // Enter, step by step.
    void UnlockCompletionAchievement();
    void LoadScreen();
    void InstallCallbacks();
    void ShowBackdrop();
    void PlaceCamera();
    void LookUpElements();
    void LockLevels();
    void ShowAchievementPictures();
    void SwitchShadersOn();

    // Button actions.
    void OpenPanel(sPanel& panel);
    void OpenLevelPanel();
    void Back();
    void ChooseLevel(int button);
    void HoverLevel(int button);
    void HidePreviewsAndBadges();

    // Per frame.
    void CrossFade(float dt);
    void Glow(float dt);
    void DeveloperKeys();
    void UnlockAllLevels();

    // Elements.
    Engine::cUIElementBase* Find(const std::string& name) const;
    void ShowPanel(sPanel& panel, bool shown);
    void SetPanelAlpha(const sPanel& panel, float alpha);
    void SetMainGroupAlpha(float alpha);
    void ShowMainGroup(bool shown);
    static void Request(std::int32_t state);

    cBackdropScene backdrop;
    cCurtains curtains;
    cVolumeSlider slider;
    float panelBlend = 0.0f;
    float glowTime = 0.0f;
    bool panelOpen = false;
    bool levelsUnlocked = false;
    int nextBanner = 0;

    std::vector<Engine::cUIElementBase*> mainGroup;
    Engine::cUIElementBase* glowImage = nullptr;
    Engine::cUIElementBase* alphaBlender = nullptr;
    Engine::cUIElementBase* loadingScreen = nullptr;
    sPanel levelPanel;
    sPanel optionsPanel;
    sPanel creditsPanel;
    sPanel quitPanel;
    sPanel howToPlayPanel;
    sPanel achievementPanel;
    // Each by its level button's index less one.
    std::array<Engine::cUIElementBase*, kLevelButtons> levelButtons{};
    std::array<Engine::cUIElementBase*, kLevelButtons + 1> previews{};
    std::array<Engine::cUIElementBase*, kOfferedLevels> lockPlates{};
    // By rank, D to S, and one more that no rank shows.
    std::array<Engine::cUIElementBase*, kRankBadges> badges{};
};

}  // namespace Game
