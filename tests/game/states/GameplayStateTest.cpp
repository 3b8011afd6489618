// The gameplay state over a small level of the tests' own: the sub-states
// under scripted input, the pause menu's buttons clicked through the GUI's
// input path, the win and death sequences, restarts, and a run's end that
// gives every pool back.

#include <algorithm>
#include <cmath>

#include "engine/platform/VirtualKeys.h"
#include "engine/platform/cProfileRegistry.h"
#include "engine/ui/cUIButton.h"
#include "engine/ui/cUIImage.h"
#include "engine/ui/cUIPanel.h"
#include "engine/resource/cModelAnimationSet.h"
#include "engine/resource/cSpriteAnimationSet.h"
#include "engine/resource/cTextureSet.h"
#include "engine/ui/cUIMouseCursor.h"
#include "game/entities/cGameCamera.h"
#include "game/entities/cStroke.h"
#include "game/states/LevelResults.h"
#include "game/states/cCutscene.h"
#include "tests/game/states/GameplayFixture.h"

namespace Game {
namespace {

using Sub = cGameState_Prototype1::eSubState;

class GameplayStateTest : public GameplayFixture {};

TEST_F(GameplayStateTest, EnterLoadsTheNumberedLevelAndStartsInPlay) {
    state.Enter();
    ASSERT_TRUE(state.LevelLoaded());
    EXPECT_EQ(state.SubState(), Sub::Playing);
    ASSERT_NE(state.Kid(), nullptr);
    ASSERT_NE(state.Camera(), nullptr);
    EXPECT_EQ(cLevelManager::Instance().game_camera, state.Camera());
    EXPECT_EQ(scene->ActiveCamera(), state.Camera());
    EXPECT_FLOAT_EQ(state.Camera()->fieldOfView, 10.0f);
    EXPECT_FLOAT_EQ(state.Camera()->far, 500.0f);
    EXPECT_FLOAT_EQ(state.Camera()->aspect, 1280.0f / 720.0f);
    EXPECT_TRUE(scene->ShadowsEnabled());
    EXPECT_TRUE(scene->HasSkyBox());
    EXPECT_EQ(sounds.front(), "loop BGSound");
    EXPECT_FALSE(Visible("PausePanel"));
    Frames(50);
    EXPECT_NEAR(state.LevelTime(), 50 * kDt, 1e-4f);
    EXPECT_NEAR(state.Camera()->target.x, state.Kid()->position.x, 1e-3f) << "the camera follows the kid";
    state.Exit();
}

TEST_F(GameplayStateTest, EscapeFadesThePauseMenuInAndOnThePausePageOutAgain) {
    state.Enter();
    Frames(5);
    Tap(Engine::kVK_ESCAPE);
    EXPECT_EQ(state.SubState(), Sub::PauseIn);
    EXPECT_TRUE(Visible("PausePanel"));
    EXPECT_FLOAT_EQ(volume, 0.25f) << "the music plays at a quarter while the menu is up";
    auto* panel = static_cast<Engine::cUIPanel*>(Element("PausePanel"));
    EXPECT_GT(panel->Sprite().emissive.a, 0.0f);
    EXPECT_LT(panel->Sprite().emissive.a, 0.1f) << "the page fades in";
    Run(0.5f);
    EXPECT_EQ(state.SubState(), Sub::Paused);
    EXPECT_TRUE(state.Menu().active);
    EXPECT_FLOAT_EQ(panel->Sprite().emissive.a, 1.0f);
    const float clock = state.LevelTime();
    Frames(20);
    EXPECT_FLOAT_EQ(state.LevelTime(), clock) << "the level clock stands while paused";

    Tap(Engine::kVK_ESCAPE);
    EXPECT_EQ(state.SubState(), Sub::PauseOut);
    EXPECT_FALSE(state.Menu().active);
    Run(0.5f);
    EXPECT_EQ(state.SubState(), Sub::Playing);
    EXPECT_FLOAT_EQ(volume, 1.0f);
    EXPECT_FALSE(Visible("PausePanel"));
    EXPECT_EQ(Requested(), StatePrototype1);
    Frames(5);
    EXPECT_GT(state.LevelTime(), clock) << "play goes on";
    state.Exit();
}

// While paused the world stands (its models hold their pose), yet the cursor still plays its twinkle.
TEST_F(GameplayStateTest, WhilePausedTheGuisSpritesStillAnimate) {
    Engine::cGUIManager::Instance().CreateCursor(64.0f, 64.0f, "MouseCursorTS", {0.0f, 0.0f});
    state.Enter();
    Frames(5);
    OpenPauseMenu();
    const Engine::cAnimationRegistry& animations = Engine::cAnimationRegistry::Instance();
    std::vector<float> model_times;
    for (const Engine::cModelAnimationSet* set : animations.AnimatedModels()) model_times.push_back(set->Time());
    const Engine::cUIMouseCursor* cursor = Engine::cGUIManager::Instance().Cursor();
    ASSERT_NE(cursor, nullptr);
    const Engine::cSpriteAnimationSet* twinkle = cursor->Sprite().Animation();
    ASSERT_NE(twinkle, nullptr);
    const uint32_t cursor_frame = twinkle->Frame();
    Run(0.4f);
    for (std::size_t i = 0; i < model_times.size(); ++i) {
        EXPECT_FLOAT_EQ(animations.AnimatedModels()[i]->Time(), model_times[i]) << i;
    }
    EXPECT_NE(twinkle->Frame(), cursor_frame) << "the cursor's cells go on";
    state.Exit();
}

TEST_F(GameplayStateTest, EscapeOnASubPanelDoesNothing) {
    state.Enter();
    OpenPauseMenu();
    Click("PausePanel_button_2");
    ASSERT_TRUE(Visible("OptionsPanel"));
    Tap(Engine::kVK_ESCAPE);
    Frames(30);
    EXPECT_EQ(state.SubState(), Sub::Paused);
    EXPECT_TRUE(Visible("OptionsPanel"));
    state.Exit();
}

struct SubPanelCase {
    const char* opener;
    const char* panel;
    const char* back;
};

class PausePageButtonTest : public GameplayFixture, public ::testing::WithParamInterface<SubPanelCase> {};

// Each of the five buttons swaps the pause page for its panel (with the
// panel's own text); the panel's back button brings the page again.
TEST_P(PausePageButtonTest, OpensItsPanelAndBackReturnsToThePage) {
    const SubPanelCase& c = GetParam();
    state.Enter();
    OpenPauseMenu();
    Click(c.opener);
    EXPECT_TRUE(Visible(c.panel));
    EXPECT_FALSE(Visible("PausePanel"));
    if (Element(std::string(c.panel) + "Text") != nullptr) {
        EXPECT_TRUE(Visible(std::string(c.panel) + "Text"));
    }
    Click(c.back);
    EXPECT_FALSE(Visible(c.panel));
    EXPECT_TRUE(Visible("PausePanel"));
    EXPECT_EQ(state.SubState(), Sub::Paused) << "back keeps the menu up";
    EXPECT_EQ(Requested(), StatePrototype1);
    state.Exit();
}

INSTANTIATE_TEST_SUITE_P(
    Panels, PausePageButtonTest,
    ::testing::Values(SubPanelCase{"PausePanel_button_1", "RestartConfirmPanel", "RestartConfirmPanel_button_1"},
                      SubPanelCase{"PausePanel_button_2", "OptionsPanel", "OptionsPanel_button_3"},
                      SubPanelCase{"PausePanel_button_3", "CreditsPanel", "CreditsPanel_button_0"},
                      SubPanelCase{"PausePanel_button_4", "HowToPlayPanel", "HowToPlayPanel_button_1"},
                      SubPanelCase{"PausePanel_button_5", "QuitConfirmPanel", "QuitConfirmPanel_button_2"}));

TEST_F(GameplayStateTest, ResumeClosesTheMenuAndGivesTheMusicBack) {
    state.Enter();
    OpenPauseMenu();
    Click("PausePanel_button_0");
    Run(0.6f);
    EXPECT_EQ(state.SubState(), Sub::Playing);
    EXPECT_FALSE(state.Menu().active);
    EXPECT_FLOAT_EQ(volume, 1.0f);
    EXPECT_EQ(Requested(), StatePrototype1) << "resuming asks for no other state";
    state.Exit();
}

TEST_F(GameplayStateTest, QuitConfirmedBlacksTheScreenAndRequestsTheMainMenu) {
    state.Enter();
    OpenPauseMenu();
    Click("PausePanel_button_5");
    Click("QuitConfirmPanel_button_1");
    EXPECT_EQ(state.SubState(), Sub::PauseOut);
    const auto* black = static_cast<Engine::cUIImage*>(Element("WinBlackScreen"));
    ASSERT_NE(black, nullptr);
    Frame();
    const float early = black->Sprite().emissive.a;
    Frames(4);
    EXPECT_EQ(Requested(), StatePrototype1) << "the fade comes first";
    const float midway = black->Sprite().emissive.a;
    EXPECT_LT(early, 0.2f) << "the screen does not start black";
    EXPECT_GT(midway, early) << "the screen darkens as the menu fades";
    EXPECT_LT(midway, 1.0f);
    Run(0.5f);
    EXPECT_EQ(Requested(), StateMainMenu);
    EXPECT_FLOAT_EQ(black->Sprite().emissive.a, 1.0f);
    EXPECT_FALSE(Visible("QuitConfirmPanel"));
    EXPECT_FLOAT_EQ(volume, 1.0f);
    state.Exit();
}

TEST_F(GameplayStateTest, RestartConfirmedRestartsFromTheLevelStartWithoutTheCheckpoint) {
    state.Enter();
    cCheckpointRecord& record = cLevelManager::Instance().checkpoint;
    record.reached = true;
    record.position = {6.0f, -0.9f, 0.0f};
    record.checkpoint_id = 0;
    OpenPauseMenu();
    Click("PausePanel_button_1");
    Click("RestartConfirmPanel_button_0");
    EXPECT_FALSE(record.reached) << "the checkpoint record is cleared";
    Run(0.6f);
    EXPECT_EQ(Requested(), StateRestart);
    EXPECT_FLOAT_EQ(volume, 1.0f);
    Restart();
    ASSERT_NE(state.Kid(), nullptr);
    EXPECT_NEAR(state.Kid()->position.x, 0.0f, 1e-3f) << "the kid starts where the level puts her";
    EXPECT_EQ(state.Menu().action, cPlayMenu::kActionNone) << "the confirmed restart is done with";
    state.Exit();
}

// A quit confirmed and then abandoned by a restart (P) must not end the
// next run's pause at once.
TEST_F(GameplayStateTest, AConfirmedQuitDoesNotCarryOverIntoTheNextRun) {
    state.Enter();
    OpenPauseMenu();
    Click("PausePanel_button_5");
    Click("QuitConfirmPanel_button_1");
    Restart();
    OpenPauseMenu();
    Frames(10);
    EXPECT_EQ(state.SubState(), Sub::Paused);
    state.Exit();
}

// Leaving mid-fade must not run the fade's end, which would ask for the
// main menu on top of whatever ended the run.
TEST_F(GameplayStateTest, ARunEndedDuringTheMenusFadeOutRequestsNothingMore) {
    state.Enter();
    OpenPauseMenu();
    Click("PausePanel_button_5");
    Click("QuitConfirmPanel_button_1");
    ASSERT_EQ(state.SubState(), Sub::PauseOut);
    cGameStateManager::Instance().next_id = StateSceneEditor;
    state.Exit();
    EXPECT_EQ(Requested(), StateSceneEditor);
    EXPECT_FLOAT_EQ(volume, 1.0f);
}

TEST_F(GameplayStateTest, LeavingThePausedStateAnyOtherWayGivesTheMusicBack) {
    state.Enter();
    OpenPauseMenu();
    Tap(Engine::kVK_P);
    EXPECT_EQ(Requested(), StateRestart) << "P restarts even in the menu";
    state.Exit();
    EXPECT_FLOAT_EQ(volume, 1.0f);
    state.Enter();
    OpenPauseMenu();
    EXPECT_FLOAT_EQ(volume, 0.25f) << "a quarter of the full volume, not of a quarter";
    state.Exit();
    EXPECT_FLOAT_EQ(volume, 1.0f);
}

TEST_F(GameplayStateTest, TheMuteButtonTogglesTheSoundAndShowsItsState) {
    state.Enter();
    OpenPauseMenu();
    Click("PausePanel_button_2");
    auto* mute = static_cast<Engine::cUIButton*>(Element("OptionsPanel_button_1"));
    ASSERT_NE(mute, nullptr);
    Click("OptionsPanel_button_1");
    EXPECT_TRUE(muted);
    ASSERT_NE(mute->Sprite().TextureSet(), nullptr);
    EXPECT_EQ(mute->Sprite().TextureSet()->Name(), "UnmuteButtonTS");
    Click("OptionsPanel_button_1");
    EXPECT_FALSE(muted);
    EXPECT_EQ(mute->Sprite().TextureSet()->Name(), "MuteButtonTS");
    state.Exit();
}

TEST_F(GameplayStateTest, TheDisplayButtonsWriteWhatTheRendererApplies) {
    Engine::cWindow& window = Engine::cWindow::Instance();
    state.Enter();
    OpenPauseMenu();
    Click("PausePanel_button_2");
    Click("OptionsPanel_button_2");
    EXPECT_TRUE(window.IsFullscreen());
    struct Case {
        const char* button;
        int width;
        int height;
    };
    for (const Case& c : {Case{"OptionsPanel_button_6", 1440, 1080}, Case{"OptionsPanel_button_4", 1280, 960},
                          Case{"OptionsPanel_button_5", 1024, 768}}) {
        Click(c.button);
        EXPECT_FALSE(window.IsFullscreen()) << c.button << " leaves full screen";
        EXPECT_EQ(window.Width(), c.width) << c.button;
        EXPECT_EQ(window.Height(), c.height) << c.button;
        window.SetFullscreen(true);
    }
    window.SetFullscreen(false);
    state.Exit();
}

TEST_F(GameplayStateTest, TheVolumeKnobFollowsTheDragWithinTheSliderAndStopsOnRelease) {
    state.Enter();
    OpenPauseMenu();
    Click("PausePanel_button_2");
    auto* knob = Element("OptionsPanel_button_9");
    ASSERT_NE(knob, nullptr);
    const Engine::cUIElementBase* left = Element("OptionsPanel_button_7");
    const Engine::cUIElementBase* right = Element("OptionsPanel_button_8");
    EXPECT_NEAR(knob->posX, right->posX, 1e-4f) << "full volume puts the knob at the right end";
    EXPECT_FALSE(left->IsVisible());
    EXPECT_FALSE(right->IsVisible());

    // The pointer over the knob grabs it; a frame with the button up lets go.
    PointAt(*knob);
    EXPECT_TRUE(state.Menu().slider.knob_held);
    Frame();
    EXPECT_FALSE(state.Menu().slider.knob_held);
    Engine::cMouseState& mouse = Engine::cMouseState::Instance();
    mouse.ButtonDown(0);
    PointAt(*knob);
    Frame();
    EXPECT_TRUE(state.Menu().slider.knob_held);
    mouse.Move(0, mouse.Y());  // far past the left end
    Frame();
    EXPECT_NEAR(knob->posX, left->posX, 1e-4f);
    EXPECT_FLOAT_EQ(volume, 0.0f);
    const Engine::ScreenRect& viewport = Engine::cGUIManager::Instance().Viewport();
    const float middle = (left->posX + right->posX) / 2.0f;
    mouse.Move(static_cast<int32_t>(viewport.left + middle * (viewport.right - viewport.left)), mouse.Y());
    Frame();
    EXPECT_NEAR(knob->posX, middle, 0.002f);
    EXPECT_NEAR(volume, 0.125f, 0.003f) << "half of the lowered quarter";
    mouse.ButtonUp(0);
    Frame();
    EXPECT_FALSE(state.Menu().slider.knob_held);
    mouse.Move(static_cast<int32_t>(viewport.right + 100.0f), mouse.Y());
    Frame();
    EXPECT_NEAR(knob->posX, middle, 0.002f) << "released, the knob stays";
    Click("OptionsPanel_button_3");
    Click("PausePanel_button_0");
    Run(0.6f);
    EXPECT_NEAR(volume, 0.5f, 0.012f) << "the knob's half is half the volume in play";
    state.Exit();
}

TEST_F(GameplayStateTest, ASliderWhoseEndsCoincideNeverDividesByZero) {
    state.Enter();
    OpenPauseMenu();
    Click("PausePanel_button_2");
    Engine::cUIElementBase* left = Element("OptionsPanel_button_7");
    Engine::cUIElementBase* right = Element("OptionsPanel_button_8");
    Engine::cUIElementBase* knob = Element("OptionsPanel_button_9");
    right->SetPosition({left->posX, right->posY});
    Engine::cMouseState::Instance().ButtonDown(0);
    PointAt(*knob);
    Frame();
    ASSERT_TRUE(state.Menu().slider.knob_held);
    EXPECT_TRUE(std::isfinite(volume));
    EXPECT_TRUE(std::isfinite(knob->posX));
    Engine::cMouseState::Instance().ButtonUp(0);
    Frame();
    EXPECT_TRUE(std::isfinite(knob->posX));
    state.Exit();
}

TEST_F(GameplayStateTest, TheWinDarkensTheScreenFromOneSecondAndAsksForTheResultsAfterThree) {
    state.Enter();
    Frames(10);
    cKid& kid = *state.Kid();
    kid.damage = 4.0f;
    kid.candy = 1;
    kid.status |= cKid::kStatusWon;
    LastLevelResults() = LevelResults{};
    Frame();
    EXPECT_EQ(state.SubState(), Sub::Won);
    const LevelResults& results = LastLevelResults();
    EXPECT_TRUE(results.filled);
    EXPECT_NEAR(results.level_time, 11 * kDt, 1e-4f);
    EXPECT_EQ(results.candy_taken, 1);
    EXPECT_EQ(results.candy_total, 2u);
    EXPECT_FLOAT_EQ(results.damage, 4.0f);
    EXPECT_EQ(results.level_number, 0);
    const auto* black = static_cast<Engine::cUIImage*>(Element("WinBlackScreen"));
    Run(0.9f);
    EXPECT_FLOAT_EQ(black->Sprite().emissive.a, 0.0f) << "nothing darkens in the first second";
    Run(1.1f);  // two seconds: s = 0.5
    EXPECT_NEAR(black->Sprite().emissive.a, 0.25f, 0.03f);
    EXPECT_EQ(Requested(), StatePrototype1);
    Run(1.1f);
    EXPECT_EQ(Requested(), StateWinScreen);
    EXPECT_FLOAT_EQ(black->Sprite().emissive.a, 1.0f);
    state.Exit();
}

TEST_F(GameplayStateTest, DeathPlaysTheDeathMusicAndRestartsAfterThreeAndAHalfSeconds) {
    state.Enter();
    Frames(5);
    state.Kid()->status |= cKid::kStatusDead;
    Frame();
    EXPECT_EQ(state.SubState(), Sub::Dead);
    Frame();
    EXPECT_EQ(std::count(sounds.begin(), sounds.end(), "stop BGSound"), 1);
    EXPECT_EQ(std::count(sounds.begin(), sounds.end(), "once DeathMusic"), 1);
    int frames = 1;
    while (Requested() != StateRestart && frames < 1000) {
        Frame();
        ++frames;
    }
    EXPECT_NEAR(frames * kDt, 3.5f, kDt + 1e-4f) << "the restart comes 3.5 s after the death";
    EXPECT_EQ(std::count(sounds.begin(), sounds.end(), "once DeathMusic"), 1) << "played once";
    state.Exit();
}

TEST_F(GameplayStateTest, SpaceAfterDeathRestartsAtOnce) {
    state.Enter();
    Frames(5);
    state.Kid()->status |= cKid::kStatusDead;
    Frames(2);
    ASSERT_EQ(state.SubState(), Sub::Dead);
    keys_down.push_back(Engine::kVK_SPACE);
    Frame();
    EXPECT_EQ(Requested(), StateRestart);
    state.Exit();
}

TEST_F(GameplayStateTest, AfterDeathTheKidStartsAgainAtTheLastCheckpoint) {
    WriteLevel(0, R"(<LevelRoot>
    <Kid posX="0.0" posY="-0.9" posZ="0.0" />
    <CheckPoint posX="0.6" posY="-0.9" posZ="0.0" />
</LevelRoot>)");
    state.Enter();
    Frames(10);
    const cCheckpointRecord& record = cLevelManager::Instance().checkpoint;
    ASSERT_TRUE(record.reached) << "the kid stands on the checkpoint";
    state.Kid()->status |= cKid::kStatusDead;
    Run(3.7f);
    ASSERT_EQ(Requested(), StateRestart);
    Restart();
    EXPECT_TRUE(record.reached) << "a death keeps the record";
    EXPECT_NEAR(state.Kid()->position.x, record.position.x, 1e-3f);
    EXPECT_GT(state.Kid()->position.x, 0.3f) << "not at the level's start";
    state.Exit();
}

TEST_F(GameplayStateTest, WhileTheCameraHasControlTheKidIsHeld) {
    state.Enter();
    Frames(3);
    state.Camera()->has_control = true;
    Frame();
    EXPECT_EQ(state.SubState(), Sub::CameraHold);
    EXPECT_TRUE(state.Kid()->IsFrozen());
    state.Camera()->has_control = false;
    Frame();
    EXPECT_EQ(state.SubState(), Sub::Playing);
    EXPECT_FALSE(state.Kid()->IsFrozen());
    state.Exit();
}

// What every pool holds: entities taken from the factory, physics objects,
// model components, particle systems, GUI elements and lights.
struct PoolCounts {
    std::size_t entities;
    std::size_t physics;
    std::size_t physics_free;
    std::size_t models;
    std::size_t particles;
    std::size_t gui;
    std::size_t lights;
    bool operator==(const PoolCounts&) const = default;
};

PoolCounts CountPools() {
    PoolCounts counts{};
    const cGameFactory& factory = cGameFactory::Instance();
    for (std::int32_t type = 0; type < static_cast<std::int32_t>(factory.TypeCount()); ++type) {
        if (const auto* pool = factory.GetFactory(EntityTypeId::FromValue(type))) {
            counts.entities += pool->BuiltCount() - pool->FreeCount();
        }
    }
    const Engine::cPhysicsWorld& world = Engine::cPhysicsWorld::Instance();
    counts.physics = world.GetObjects().size();
    counts.physics_free = world.GetPool().Free().size() - world.GetPool().All().size();
    counts.models = Engine::GetModelPool()->InUse();
    counts.particles = Engine::cParticleManager::Instance().Systems().size();
    counts.gui = Engine::cGUIManager::Instance().Elements().size();
    counts.lights = Engine::cLightPool::Instance().Lights().size();
    return counts;
}

TEST_F(GameplayStateTest, TenRestartsLeaveEveryPoolAsItWas) {
    const PoolCounts before = CountPools();
    for (int run = 0; run < 10; ++run) {
        state.Enter();
        Frames(10);
        if (run == 3) OpenPauseMenu();  // a run may end anywhere
        if (run == 5) state.Kid()->status |= cKid::kStatusDead;
        Frames(3);
        const PoolCounts during = CountPools();
        EXPECT_GT(during.entities, before.entities);
        EXPECT_GT(during.gui, before.gui);
        state.Exit();
        const PoolCounts after = CountPools();
        EXPECT_EQ(after.entities, before.entities) << "run " << run;
        EXPECT_EQ(after.physics, before.physics) << "run " << run;
        EXPECT_EQ(after.physics_free, before.physics_free) << "run " << run;
        EXPECT_EQ(after.models, before.models) << "run " << run;
        EXPECT_EQ(after.particles, before.particles) << "run " << run;
        EXPECT_EQ(after.gui, before.gui) << "run " << run;
        EXPECT_EQ(after.lights, before.lights) << "run " << run;
    }
    EXPECT_FALSE(scene->HasSkyBox());
    EXPECT_EQ(scene->ActiveCamera(), nullptr);
    EXPECT_EQ(cLevelManager::Instance().game_camera, nullptr);
}

TEST_F(GameplayStateTest, ALevelThatFailsToLoadLeavesNothingHalfSetUp) {
    const PoolCounts before = CountPools();
    cLevelManager::Instance().current_number = 7;  // there is no Level7
    state.Enter();
    EXPECT_FALSE(state.LevelLoaded());
    EXPECT_EQ(state.Kid(), nullptr);
    EXPECT_EQ(Requested(), StateEnd) << "a missing numbered level ends the game";
    Tap(Engine::kVK_ESCAPE);
    Frames(10);
    EXPECT_EQ(state.SubState(), Sub::None);
    state.Exit();
    EXPECT_EQ(CountPools(), before);
    cGameStateManager::Instance().next_id = StatePrototype1;
    cLevelManager::Instance().current_number = 0;
    state.Enter();
    EXPECT_TRUE(state.LevelLoaded());
    Frames(5);
    EXPECT_EQ(state.SubState(), Sub::Playing);
    state.Exit();
    EXPECT_EQ(CountPools(), before);
}

TEST_F(GameplayStateTest, AStrokeLostInNaNGoesBackToTheKidBeforeAnythingDrawsIt) {
    state.Enter();
    Frames(3);
    ASSERT_NE(state.Stroke(), nullptr);
    state.Stroke()->position.x = std::nanf("");
    Frame();
    const Engine::Vector3& at = state.Stroke()->position;
    EXPECT_FALSE(std::isnan(at.x) || std::isnan(at.y) || std::isnan(at.z));
    EXPECT_NE(Log().find("Error: play: the stroke's position is not a number"), std::string::npos) << Log();
    state.Exit();
}

TEST_F(GameplayStateTest, AGuiFileWithoutThePauseMenuIsLoggedAndPlayGoesOn) {
    WriteGameFile("GameGUI.xml", R"(<GUILayout>
  <UITextbox name="HUDKeyText" text="x 0" normwidth="0.06" normheight="0.04" normPosX="0.09" normPosY="0.885"/>
</GUILayout>)");
    state.Enter();
    ASSERT_TRUE(state.LevelLoaded());
    Frames(3);
    Tap(Engine::kVK_ESCAPE);
    Run(0.6f);
    EXPECT_EQ(state.SubState(), Sub::Paused);
    Tap(Engine::kVK_ESCAPE);  // no page is visible: Escape cannot close it
    state.Menu().Resume();
    Run(0.6f);
    EXPECT_EQ(state.SubState(), Sub::Playing);
    state.Exit();
    const std::string log = Log();
    EXPECT_NE(log.find("no GUI element is named \"PausePanel\""), std::string::npos) << log;
    EXPECT_NE(log.find("no GUI element is named \"OptionsPanel_button_9\""), std::string::npos) << log;
}

TEST_F(GameplayStateTest, EveryStageOfTheGameplayStepIsTimedForTheProfiler) {
    state.Enter();
    Frames(4);
    state.Exit();
    for (const char* stage :
         {"Gameplay logic", "Gameplay physics", "Gameplay animation", "Gameplay particles", "Gameplay render"}) {
        const Engine::cProfileRecord* record = Engine::cProfileRegistry::Instance().Find(stage);
        ASSERT_NE(record, nullptr) << stage;
        EXPECT_GE(record->sample_count, 4u) << stage;
    }
}

TEST_F(GameplayStateTest, TheHudShowsHealthKeysCandyAndTheChallengeCountdown) {
    state.Enter();
    cKid& kid = *state.Kid();
    Frames(2);
    auto* bar = Element("HUDHealthBar");
    ASSERT_NE(bar, nullptr);
    const float full_x = bar->posX;
    EXPECT_FLOAT_EQ(bar->scaleX, 1.0f);
    kid.damage = kid.health / 4.0f;
    kid.keys = 2;
    kid.candy = 1;
    kid.challenge_time = 75.5f;
    Frame();
    EXPECT_FLOAT_EQ(bar->scaleX, 0.75f);
    EXPECT_LT(bar->posX, full_x) << "the bar keeps its left end";
    EXPECT_EQ(static_cast<Engine::cUITextbox*>(Element("HUDKeyText"))->Text(), "x 2");
    EXPECT_EQ(static_cast<Engine::cUITextbox*>(Element("HUDCandyText"))->Text(), "1 / 2");
    auto* countdown = static_cast<Engine::cUITextbox*>(Element("countdownText"));
    ASSERT_NE(countdown, nullptr);
    EXPECT_FLOAT_EQ(countdown->posX, 0.5f);
    EXPECT_FLOAT_EQ(countdown->posY, 0.8f);
    EXPECT_EQ(countdown->Text().substr(0, 3), "1:1") << "a minute and some seconds";
    state.Exit();
    EXPECT_EQ(Element("countdownText"), nullptr);
}

TEST(PlayHUDTest, CountdownAndHealthShareTables) {
    struct Count {
        int seconds;
        const char* text;
    };
    for (const Count& c : {Count{0, ""}, Count{-3, ""}, Count{5, "0:05"}, Count{45, "0:45"}, Count{60, "1:00"},
                           Count{125, "2:05"}}) {
        EXPECT_EQ(cPlayHUD::CountdownText(c.seconds), c.text) << c.seconds;
    }
    struct Share {
        float health;
        float damage;
        float share;
    };
    for (const Share& s : {Share{30, 0, 1}, Share{30, 15, 0.5f}, Share{30, 45, 0}, Share{30, -5, 1}, Share{0, 0, 0},
                           Share{30, std::nanf(""), 0}}) {
        EXPECT_FLOAT_EQ(cPlayHUD::HealthShare(s.health, s.damage), s.share) << s.health << " " << s.damage;
    }
}

// ---- The intro cutscene ----------------------------------------------------------

// One framing for Level0: about seven seconds of story.
constexpr const char* kIntroFile = R"(<Cutscenes>
  <Level0 texture="IntroTS"><Section posX="0.5" posY="0.5" scaleX="1" scaleY="0.9"/></Level0>
  <Level1 texture=""/>
</Cutscenes>)";

class IntroTest : public GameplayStateTest {
protected:
    void SetUp() override {
        GameplayStateTest::SetUp();
        WriteCutscenes(kIntroFile);
        for (const char* texture : {"IntroTS", cCutscene::kBlackOverlayTexture, cCutscene::kFrameOverlayTexture}) {
            ProvideTexture(texture);
        }
    }

    const cCutscene* Intro() const { return dynamic_cast<const cCutscene*>(state.IntroCutscene()); }

    // Frames until play begins (limit: thirty seconds), in seconds.
    float RunToPlay() {
        for (int frame = 1; frame <= 1500; ++frame) {
            Frame();
            if (state.SubState() == Sub::Playing) return frame * kDt;
        }
        return -1.0f;
    }
};

TEST_F(IntroTest, ALevelWithAnIntroPlaysItWhileTheLevelStandsStillThenPlays) {
    state.Enter();
    ASSERT_EQ(state.SubState(), Sub::Intro);
    EXPECT_TRUE(state.IntroShown());
    ASSERT_NE(Intro(), nullptr);
    ASSERT_NE(Intro()->Picture(), nullptr);
    EXPECT_EQ(Intro()->Picture()->Sprite().TextureSet()->Name(), "IntroTS");
    const Engine::Vector3 kid_at = state.Kid()->position;
    Run(3.0f);
    EXPECT_EQ(state.SubState(), Sub::Intro);
    EXPECT_FLOAT_EQ(state.LevelTime(), 0.0f) << "the level's clock waits for the story";
    EXPECT_EQ(state.Kid()->position, kid_at);
    EXPECT_NEAR(3.0f + RunToPlay(), 7.0f, 0.15f);
    EXPECT_FALSE(Intro()->Picture()->IsVisible());
    Frames(10);
    EXPECT_NEAR(state.LevelTime(), 10 * kDt, 1e-4f);
    EXPECT_NE(Log().find("Play: the intro cutscene of Level0 plays\n"), std::string::npos) << Log();
    state.Exit();
}

TEST_F(IntroTest, EscapeDuringTheStorysRestSkipsItToPlayAfterTheFadeOut) {
    state.Enter();
    Run(1.5f);
    ASSERT_EQ(Intro()->Phase(), cCutscene::ePhase::Hold);
    Tap(Engine::kVK_ESCAPE);
    EXPECT_EQ(Intro()->Phase(), cCutscene::ePhase::FadeOut);
    EXPECT_NEAR(RunToPlay(), 1.0f, 0.1f) << "one second of fade-out";
    EXPECT_FALSE(state.Menu().active) << "the Escape that skipped the story opens no pause menu";
    state.Exit();
}

TEST_F(IntroTest, EscapeWhileTheStoryFadesInIsForgotten) {
    state.Enter();
    Frames(5);
    Tap(Engine::kVK_ESCAPE);
    EXPECT_NEAR(7 * kDt + RunToPlay(), 7.0f, 0.15f);
    state.Exit();
}

// The state owns the story: the run's end destroys it once, and the restart
// neither shows it again nor destroys it a second time.
TEST_F(IntroTest, ARestartGoesStraightToPlayAndTheStoryIsDestroyedOnce) {
    state.Enter();
    Run(0.5f);
    state.Exit();
    EXPECT_EQ(state.IntroCutscene(), nullptr);
    Restart();
    EXPECT_EQ(state.SubState(), Sub::Playing) << "a restart does not show the intro again";
    EXPECT_TRUE(state.IntroShown());
    EXPECT_EQ(state.IntroCutscene(), nullptr);
    const std::size_t gui_elements = Engine::cGUIManager::Instance().Elements().size();
    Restart();
    EXPECT_EQ(Engine::cGUIManager::Instance().Elements().size(), gui_elements)
        << "no earlier story takes the GUI's new elements with it";
    EXPECT_NE(Element("HUDHealthBar"), nullptr);
    EXPECT_TRUE(Element("HUDHealthBar")->IsVisible());
    state.Exit();
}

TEST_F(IntroTest, AStateObjectMadeAfreshShowsTheIntroAgain) {
    state.Enter();
    state.Exit();
    cGameState_Prototype1 next;
    next.Load();
    next.Enter();
    EXPECT_EQ(next.SubState(), Sub::Intro);
    next.Exit();
}

TEST_F(IntroTest, AFileWithoutTheLevelsElementOrWithAnEmptyTextureStartsInPlay) {
    cLevelManager::Instance().current_number = 1;
    WriteLevel(1, kSmallLevel);
    state.Enter();
    EXPECT_EQ(state.SubState(), Sub::Playing) << "Level1's texture is empty";
    EXPECT_FALSE(state.IntroShown());
    state.Exit();
    WriteCutscenes("<Cutscenes><Level2 texture=\"IntroTS\"><Section/></Level2></Cutscenes>");
    cLevelManager::Instance().current_number = 0;
    state.Enter();
    EXPECT_EQ(state.SubState(), Sub::Playing) << "no Level0 element";
    state.Exit();
    EXPECT_EQ(Log().find("cutscene"), std::string::npos) << "a level without a story is no fault\n" << Log();
}

TEST_F(IntroTest, AMissingCutsceneFileIsLoggedAndTheLevelStartsInPlay) {
    std::filesystem::remove(dir.File("GameData/XML_Game/Cutscenes/cutscenes.xml"));
    state.Enter();
    EXPECT_EQ(state.SubState(), Sub::Playing);
    EXPECT_NE(Log().find("Error: the cutscene file \"GameData/XML_Game/Cutscenes/cutscenes.xml\" could not be read"),
              std::string::npos)
        << Log();
    state.Exit();
}

}  // namespace
}  // namespace Game
