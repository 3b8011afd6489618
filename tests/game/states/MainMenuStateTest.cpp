// The main menu on the null device, driven through the real mouse and
// keyboard state: the curtains, the cross-fade between the main buttons and
// the panels, level selection with its locks, previews and badges, the
// options, the achievements panel, quitting, the developer keys, and a
// layout or backdrop that is missing.

#include <gtest/gtest.h>

#include <string>

#include "engine/core/cEngineSettings.h"
#include "engine/platform/VirtualKeys.h"
#include "engine/platform/cWindow.h"
#include "engine/render/scene/cLightPool.h"
#include "game/entities/cDevCamera.h"
#include "game/entities/cKid.h"
#include "game/states/cGameState_MainMenu.h"
#include "tests/game/states/ScreenFixture.h"

namespace Game {

namespace {

class MainMenuStateTest : public ScreenFixture<cGameState_MainMenu, StateMainMenu> {
protected:
    void SetUp() override {
        ScreenFixture::SetUp();
        UseShippedLevel("MenuLevel");
        Engine::cEngineSettings::Instance().developer_mode = false;
    }
    void TearDown() override {
        Engine::cEngineSettings::Instance().developer_mode = false;
        ScreenFixture::TearDown();
    }

    // Enter, then the curtains' second of opening.
    void EnterOpen() {
        state.Enter();
        Run(1.1f);
        ASSERT_TRUE(state.Curtains().IsOpen());
    }
    // A main button clicked and the cross-fade run out.
    void OpenPanel(const std::string& button) {
        Click(button);
        Run(1.05f);
    }
    void SetResults(std::initializer_list<int> ranks) {
        int level = 0;
        for (int rank : ranks) cPlayerResults::Instance().SetResult(level++, rank);
    }
    float Alpha(const std::string& name) const {
        Engine::cUIElementBase* element = Element(name);
        if (element == nullptr) return -1.0f;
        if (element->kind == Engine::cUIElementBase::kButton) {
            return static_cast<Engine::cUIButton*>(element)->Sprite().emissive.a;
        }
        if (element->kind == Engine::cUIElementBase::kPanel) {
            return static_cast<Engine::cUIPanel*>(element)->Sprite().emissive.a;
        }
        return static_cast<Engine::cUIImage*>(element)->Sprite().emissive.a;
    }
    static std::string Image(int n) { return "SelectLevelPanel_image_" + std::to_string(n); }
};

// ---- Curtains and the cross-fade ------------------------------------------------

TEST_F(MainMenuStateTest, TheCurtainsOpenOverASecondAndOnlyThenDoTheMainButtonsAct) {
    state.Enter();
    EXPECT_FALSE(state.Curtains().IsOpen());
    Click("StartButton");
    Run(1.0f);
    EXPECT_FALSE(state.PanelOpen()) << "a click while the curtains open does nothing";
    ASSERT_TRUE(state.Curtains().IsOpen());
    EXPECT_LT(Element("LeftCurtain")->posX, 0.0f) << "open curtains wait off screen";
    Click("StartButton");
    EXPECT_TRUE(state.PanelOpen());
    state.Exit();
}

TEST_F(MainMenuStateTest, HowToPlayOpensEvenWhileTheCurtainsOpen) {
    state.Enter();
    Click("HowToPlayButton");
    EXPECT_TRUE(state.PanelOpen());
    state.Exit();
}

TEST_F(MainMenuStateTest, APanelFadesInAfterTheMainButtonsFadeOutAndBackReversesIt) {
    EnterOpen();
    Click("CreditsButton");
    Run(0.3f);
    EXPECT_TRUE(Visible("StartButton"));
    EXPECT_GT(Alpha("StartButton"), 0.0f);
    EXPECT_LT(Alpha("StartButton"), 0.6f) << "the main group fades first";
    EXPECT_FLOAT_EQ(Alpha("CreditsPanel"), 0.0f);
    Run(0.8f);
    EXPECT_FALSE(Visible("StartButton"));
    EXPECT_TRUE(Visible("CreditsPanel"));
    EXPECT_TRUE(Visible("CreditsPanelText")) << "a panel's text goes with it";
    EXPECT_FLOAT_EQ(Alpha("CreditsPanel"), 1.0f);

    Click("CreditsPanel_button_0");
    EXPECT_FALSE(state.PanelOpen());
    Run(0.3f);
    EXPECT_TRUE(Visible("CreditsPanel"));
    EXPECT_LT(Alpha("CreditsPanel"), 0.6f) << "the panel fades out over half a second";
    EXPECT_FALSE(Visible("StartButton"));
    Run(0.5f);
    EXPECT_FALSE(Visible("CreditsPanel"));
    EXPECT_TRUE(Visible("StartButton"));
    Run(0.3f);
    EXPECT_FLOAT_EQ(Alpha("StartButton"), 1.0f);
    EXPECT_FLOAT_EQ(state.PanelBlend(), 0.0f);
    state.Exit();
}

TEST_F(MainMenuStateTest, EveryBackButtonClosesItsPanel) {
    const std::pair<const char*, const char*> cases[] = {
        {"StartButton", "SelectLevelPanel_button_0"},     {"OptionButton", "OptionsPanel_button_2"},
        {"CreditsButton", "CreditsPanel_button_0"},       {"HowToPlayButton", "HowToPlayPanel_button_1"},
        {"ExitButton", "QuitConfirmPanel_button_1"},      {"AchievementButton", "AchievementPanel_button_0"}};
    EnterOpen();
    for (const auto& [opener, back] : cases) {
        OpenPanel(opener);
        ASSERT_TRUE(state.PanelOpen()) << opener;
        Click(back);
        Run(1.05f);
        EXPECT_FALSE(state.PanelOpen()) << back;
        EXPECT_TRUE(Visible("StartButton")) << back;
    }
    EXPECT_EQ(Requested(), StateMainMenu);
    state.Exit();
}

TEST_F(MainMenuStateTest, TheQuitConfirmationEndsTheGame) {
    EnterOpen();
    OpenPanel("ExitButton");
    Click("QuitConfirmPanel_button_0");
    EXPECT_EQ(Requested(), StateQuit);
    state.Exit();
}

// ---- Level selection ------------------------------------------------------------

TEST_F(MainMenuStateTest, LevelsAreOfferedInOrderOnceEveryLevelBeforeThemHasAResult) {
    struct Case {
        std::initializer_list<int> results;
        int offered;
    };
    const Case cases[] = {{{}, 1}, {{0}, 2}, {{4, 3}, 3}, {{4, -1, 2}, 2}, {{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, 10}};
    for (const Case& c : cases) {
        SetResults({-1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1});
        SetResults(c.results);
        EnterOpen();
        OpenPanel("StartButton");
        for (int n = 1; n <= 11; ++n) {
            const bool offered = n <= c.offered;
            EXPECT_EQ(state.LevelOffered(n), offered) << "level " << n << " of " << c.offered;
            if (n <= 10) {
                EXPECT_EQ(Visible(Image(29 + n)), !offered) << "the locked plate of level " << n;
            }
        }
        state.Exit();
    }
}

TEST_F(MainMenuStateTest, HoveringALevelShowsItsPreviewAndTheBadgeOfItsStoredRank) {
    SetResults({0, 3});
    EnterOpen();
    OpenPanel("StartButton");
    for (int n = 12; n <= 29; ++n) EXPECT_FALSE(Visible(Image(n))) << "picture " << n << " waits for a hover";

    PointAt(*Element("SelectLevelPanel_button_1"));
    Frame();
    EXPECT_TRUE(Visible(Image(12))) << "the preview of level 1";
    EXPECT_TRUE(Visible(Image(24))) << "level 1 was won with D";
    EXPECT_FALSE(Visible(Image(27)));

    PointAt(*Element("SelectLevelPanel_button_2"));
    Frame();
    EXPECT_FALSE(Visible(Image(12)));
    EXPECT_TRUE(Visible(Image(13)));
    EXPECT_TRUE(Visible(Image(27))) << "level 2 was won with A";
    EXPECT_FALSE(Visible(Image(24)));

    PointAt(*Element("SelectLevelPanel_button_3"));
    Frame();
    EXPECT_TRUE(Visible(Image(14)));
    for (int badge = 24; badge <= 29; ++badge) EXPECT_FALSE(Visible(Image(badge))) << "level 3 has no result";
    state.Exit();
}

TEST_F(MainMenuStateTest, ChoosingALevelClosesTheCurtainsShowsTheLoadingPictureAndStartsPlay) {
    SetResults({2});
    EnterOpen();
    OpenPanel("StartButton");
    Click("SelectLevelPanel_button_2");
    EXPECT_EQ(state.Curtains().State(), cCurtains::kClosing);
    Click("SelectLevelPanel_button_1");
    EXPECT_EQ(cLevelManager::Instance().current_number, 1) << "a second choice while the curtains close is ignored";
    EXPECT_EQ(cLevelManager::Instance().loaded_number, static_cast<std::uint32_t>(-1));
    EXPECT_EQ(Requested(), StateMainMenu);
    EXPECT_FALSE(Visible("LoadingScreen"));
    // The frame that asks for play is the last the menu runs.
    int frames = 0;
    while (Requested() != StatePrototype1 && frames < 100) {
        Frame();
        ++frames;
    }
    EXPECT_EQ(Requested(), StatePrototype1);
    EXPECT_NEAR(frames * kDt, 1.1f - 2 * kDt, 2.5f * kDt) << "a second of closing and a tenth shut";
    EXPECT_TRUE(Visible("LoadingScreen"));
    EXPECT_FLOAT_EQ(Element("LeftCurtain")->posX, cCurtains::kClosedLeftX);
    EXPECT_FLOAT_EQ(Element("RightCurtain")->posX, cCurtains::kClosedRightX);
    state.Exit();
}

// ---- Options and achievements ---------------------------------------------------

TEST_F(MainMenuStateTest, TheOptionsToggleTheSoundAndFullScreenAndPickAResolution) {
    Engine::cWindow& window = Engine::cWindow::Instance();
    EnterOpen();
    OpenPanel("OptionButton");
    Click("OptionsPanel_button_0");
    EXPECT_TRUE(muted);
    Click("OptionsPanel_button_0");
    EXPECT_FALSE(muted);
    Click("OptionsPanel_button_1");
    EXPECT_TRUE(window.IsFullscreen());
    Click("OptionsPanel_button_1");
    EXPECT_FALSE(window.IsFullscreen());
    Click("OptionsPanel_button_4");
    EXPECT_EQ(window.Width(), 1024);
    EXPECT_EQ(window.Height(), 768);
    state.Exit();
}

TEST_F(MainMenuStateTest, TheVolumeKnobSetsTheWholeVolumeAndIgnoresCoincidingEnds) {
    volume = 0.5f;
    EnterOpen();
    OpenPanel("OptionButton");
    Engine::cUIElementBase* left = Element("OptionsPanel_button_6");
    Engine::cUIElementBase* right = Element("OptionsPanel_button_7");
    Engine::cUIElementBase* knob = Element("OptionsPanel_button_8");
    EXPECT_NEAR(knob->posX, (left->posX + right->posX) / 2.0f, 1e-4f) << "half volume, half way";
    Engine::cMouseState& mouse = Engine::cMouseState::Instance();
    mouse.ButtonDown(0);
    PointAt(*knob);
    Frame();
    mouse.Move(2000, mouse.Y());
    Frame();
    EXPECT_FLOAT_EQ(volume, 1.0f) << "no pause-menu share in the main menu";
    right->SetPosition({left->posX, right->posY});
    mouse.Move(100, mouse.Y());
    Frame();
    EXPECT_TRUE(std::isfinite(volume));
    EXPECT_TRUE(std::isfinite(knob->posX));
    mouse.ButtonUp(0);
    Frame();
    state.Exit();
}

TEST_F(MainMenuStateTest, EachAchievementShowsItsLockedOrUnlockedPicture) {
    cAchievementStore::Instance().Unlock(3);
    EnterOpen();
    OpenPanel("AchievementButton");
    for (int i = 0; i < 10; ++i) {
        const bool unlocked = i == 3;
        const auto* locked_picture = Element("AchievementPanel_image_" + std::to_string(1 + i));
        const auto* unlocked_picture = Element("AchievementPanel_image_" + std::to_string(11 + i));
        EXPECT_EQ(locked_picture->posX < 1.0f, !unlocked) << "achievement " << i;
        EXPECT_EQ(unlocked_picture->posX < 1.0f, unlocked) << "achievement " << i;
    }
    state.Exit();
}

TEST_F(MainMenuStateTest, WinningTheFirstTenLevelsWithCOrBetterUnlocksTheNinthAchievement) {
    SetResults({1, 2, 3, 4, 1, 2, 3, 4, 1, 0});
    state.Enter();
    state.Exit();
    EXPECT_FALSE(cAchievementStore::Instance().IsUnlocked(9)) << "a D among them";
    SetResults({1, 2, 3, 4, 1, 2, 3, 4, 1, 1});
    state.Enter();
    EXPECT_TRUE(cAchievementStore::Instance().IsUnlocked(9));
    state.Exit();
}

// ---- Developer keys ---------------------------------------------------------------

TEST_F(MainMenuStateTest, TheDeveloperKeysActOnlyInDeveloperMode) {
    EnterOpen();
    Tap(Engine::kVK_F12);
    Tap(Engine::kVK_F11);
    EXPECT_FALSE(state.LevelsUnlocked());
    EXPECT_FALSE(state.LevelOffered(5));
    EXPECT_EQ(cAchievementStore::Instance().QueuedBanners(), 0u);

    Engine::cEngineSettings::Instance().developer_mode = true;
    Tap(Engine::kVK_F12);
    EXPECT_TRUE(state.LevelsUnlocked());
    for (int n = 1; n <= 11; ++n) EXPECT_TRUE(state.LevelOffered(n)) << n;
    Tap(Engine::kVK_F11);
    EXPECT_EQ(cAchievementStore::Instance().QueuedBanners(), 1u);
    state.Exit();
}

// ---- The backdrop and what may be missing ---------------------------------------

TEST_F(MainMenuStateTest, TheBackdropShowsTheKidUpCloseAndGoesAwayOnExit) {
    state.Enter();
    const cKid* kid = state.Backdrop().Kid();
    const cDevCamera* camera = state.Backdrop().Camera();
    ASSERT_NE(kid, nullptr);
    ASSERT_NE(camera, nullptr);
    EXPECT_TRUE(camera->frozen);
    EXPECT_EQ(scene->ActiveCamera(), camera);
    EXPECT_NEAR(Engine::Length(camera->eye - kid->position), 4.0f, 0.7f);
    EXPECT_GT(camera->eye.y, kid->position.y) << "looking down on her";
    EXPECT_NEAR(Engine::Length(camera->target - kid->position), 0.0f, 1e-3f);
    EXPECT_TRUE(scene->ShadowsEnabled());
    state.Exit();
    EXPECT_EQ(scene->ActiveCamera(), nullptr);
    EXPECT_TRUE(Engine::cSceneManager::Instance().GetEntities().empty());
    EXPECT_TRUE(Engine::cLightPool::Instance().Lights().empty());
}

TEST_F(MainMenuStateTest, AMissingBackdropLeavesAWorkingMenuThatAsksForNoOtherState) {
    std::filesystem::remove(dir.Path() / "GameData" / "Level" / "MenuLevel.xml");
    EnterOpen();
    EXPECT_EQ(state.Backdrop().Kid(), nullptr);
    EXPECT_EQ(Requested(), StateMainMenu);
    OpenPanel("StartButton");
    EXPECT_TRUE(state.PanelOpen());
    EXPECT_NE(Log().find("MenuLevel"), std::string::npos);
    state.Exit();
}

TEST_F(MainMenuStateTest, ALayoutWithoutItsElementsIsLoggedAndTheMenuRunsOn) {
    WriteGameFile("MainMenuGUI.xml", R"(<GUILayout>
        <UIButton name="StartButton" TSname="buttonTS" text="Play" normwidth="0.2" normheight="0.075"
                  normPosX="0.5" normPosY="0.5" framewidth="512" frameheight="256"/>
    </GUILayout>)");
    state.Enter();
    Run(1.2f);
    Click("StartButton");
    Run(1.2f);
    Tap(Engine::kVK_F12);
    EXPECT_TRUE(state.PanelOpen());
    EXPECT_NE(Log().find("no GUI element is named \"SelectLevelPanel\""), std::string::npos);
    state.Exit();
}

}  // namespace

}  // namespace Game
