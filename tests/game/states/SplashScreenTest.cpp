// The two splash screens on the null device: the logo's laws, the entry
// sound on the first frame, which input hurries them on and when, the next
// state without input, and a run's end that stops the sound and clears the GUI.

#include <cmath>
#include <memory>
#include <string>

#include "engine/ui/cUIImage.h"
#include "game/states/cGameState_Splash.h"
#include "game/states/cGameState_TeamSplash.h"
#include "tests/game/states/GameplayFixture.h"

namespace Game {
namespace {

class SplashScreenTest : public GameplayFixture {
protected:
    void SetUp() override {
        GameplayFixture::SetUp();
        ProvideTexture("TessaryLogoTS");
        ProvideTexture("TeamLogoTS");
    }

    // Starts the screen and runs it for seconds of frames.
    void Start(cSplashScreen& screen, float seconds) {
        cGameStateManager::Instance().next_id = StateNone;
        driven = &screen;
        screen.Enter();
        Run(seconds);
    }

    // Seconds of frames until the screen asks for another (limit: twenty seconds).
    float RunToRequest() {
        for (int frame = 1; frame <= 1000; ++frame) {
            Frame();
            if (Requested() != StateNone) return frame * kDt;
        }
        return -1.0f;
    }
};

TEST_F(SplashScreenTest, TheFirstLogoSlidesInRestsInTheMiddleAndSlidesOutToTheRight) {
    struct Pose {
        float seconds;
        float x;
    };
    for (const Pose& p : {Pose{0.0f, -1.0f}, Pose{0.5f, -0.5f}, Pose{1.25f, std::sin(0.5f * 1.5707964f) - 0.5f},
                          Pose{1.999f, 0.5f}, Pose{2.0f, 0.5f}, Pose{4.99f, 0.5f}, Pose{5.0f, 0.5f},
                          Pose{6.5f, 1.5f}}) {
        EXPECT_NEAR(cGameState_Splash::LogoX(p.seconds), p.x, 1e-3f) << p.seconds << " s";
    }
    cGameState_Splash splash;
    Start(splash, 1.0f);
    ASSERT_NE(splash.Logo(), nullptr);
    EXPECT_EQ(splash.Logo()->name, "TessaryLogo");
    EXPECT_EQ(splash.Logo()->Sprite().Layer(), 5);
    EXPECT_FLOAT_EQ(splash.Logo()->width, 1.0f);
    EXPECT_NEAR(splash.Logo()->posX, cGameState_Splash::LogoX(splash.Time()), 1e-6f);
    EXPECT_FLOAT_EQ(splash.Logo()->posY, 0.5f);
    splash.Exit();
}

TEST_F(SplashScreenTest, TheTeamLogoFadesInStaysFadesOutAndGrowsSlowly) {
    struct Look {
        float seconds;
        float alpha;
    };
    const auto grown = [](float t) { return 1.0f + 0.025f * (1.0f - std::cos(t * 3.1415927f / 7.0f)); };
    for (const Look& l : {Look{0.0f, 0.0f}, Look{0.49f, 0.0f}, Look{1.25f, std::sin(0.5f * 1.5707964f)},
                          Look{3.0f, 1.0f}, Look{5.0f, 1.0f}, Look{5.75f, std::cos(0.5f * 1.5707964f)},
                          Look{6.5f, 0.0f}, Look{7.0f, 0.0f}, Look{8.0f, 0.0f}}) {
        EXPECT_NEAR(cGameState_TeamSplash::LogoAlpha(l.seconds), l.alpha, 1e-4f) << l.seconds << " s";
        EXPECT_NEAR(cGameState_TeamSplash::LogoScale(l.seconds), grown(l.seconds), 1e-5f) << l.seconds << " s";
    }
    EXPECT_NEAR(cGameState_TeamSplash::LogoScale(7.0f), 1.05f, 1e-5f) << "five per cent larger at seven seconds";
    cGameState_TeamSplash team;
    Start(team, 3.0f);
    ASSERT_NE(team.Logo(), nullptr);
    EXPECT_EQ(team.Logo()->name, "TeamLogo");
    EXPECT_FLOAT_EQ(team.Logo()->posX, 0.5f) << "the team's logo stays in the middle";
    EXPECT_FLOAT_EQ(team.Logo()->Sprite().emissive.a, 1.0f);
    EXPECT_NEAR(team.Logo()->scaleX, cGameState_TeamSplash::LogoScale(team.Time()), 1e-6f);
    team.Exit();
}

TEST_F(SplashScreenTest, EachScreenPlaysItsEntrySoundOnItsFirstFrameAndSetsTheVolume) {
    volume = 0.3f;
    cGameState_Splash splash;
    Start(splash, 0.0f);
    EXPECT_FLOAT_EQ(volume, 1.0f);
    EXPECT_TRUE(sounds.empty());
    Frame();
    EXPECT_EQ(sounds, (std::vector<std::string>{"once TessaryEntry"}));
    Run(3.0f);
    EXPECT_EQ(sounds.size(), 1u) << "once only";
    splash.Exit();
    cGameState_TeamSplash team;
    Start(team, kDt);
    EXPECT_EQ(sounds.back(), "once TeamEntry");
    team.Exit();
}

// Escape goes on at once; Space, Enter and the mouse buttons only once the
// logo has been seen for 4.25 s; without input the next screen comes after 7 s.
TEST_F(SplashScreenTest, InputHurriesTheScreensOnlyOnceTheLogoWasSeenExceptEscape) {
    struct Case {
        const char* what;
        float at;
        int key;      // 0: a mouse button instead
        int button;
        bool goes_on;
    };
    const Case cases[] = {
        {"Escape at 1 s", 1.0f, Engine::kVK_ESCAPE, -1, true},
        {"Space at 1 s", 1.0f, Engine::kVK_SPACE, -1, false},
        {"Enter at 4 s", 4.0f, Engine::kVK_RETURN, -1, false},
        {"the left button at 1 s", 1.0f, 0, 0, false},
        {"Space at 5 s", 5.0f, Engine::kVK_SPACE, -1, true},
        {"Enter at 4.5 s", 4.5f, Engine::kVK_RETURN, -1, true},
        {"the left button at 5 s", 5.0f, 0, 0, true},
        {"the right button at 5 s", 5.0f, 0, 1, true},
        {"W at 5 s", 5.0f, Engine::kVK_W, -1, false},
    };
    for (const Case& c : cases) {
        for (GameStateId next : {StateTeamSplash, StateMainMenu}) {
            std::unique_ptr<cSplashScreen> screen;
            if (next == StateTeamSplash) {
                screen = std::make_unique<cGameState_Splash>();
            } else {
                screen = std::make_unique<cGameState_TeamSplash>();
            }
            Start(*screen, c.at);
            ASSERT_EQ(Requested(), StateNone) << c.what;
            if (c.key != 0) {
                keys_down.push_back(c.key);
            } else {
                Engine::cMouseState::Instance().ButtonDown(c.button);
            }
            Frame();
            EXPECT_EQ(Requested(), c.goes_on ? next : StateNone) << c.what << " towards " << next;
            if (c.key != 0) {
                keys_up.push_back(c.key);
            } else {
                Engine::cMouseState::Instance().ButtonUp(c.button);
            }
            Frame();
            screen->Exit();
        }
    }
}

TEST_F(SplashScreenTest, WithoutInputTheNextScreenFollowsAfterSevenSeconds) {
    cGameState_Splash splash;
    Start(splash, 0.0f);
    EXPECT_NEAR(RunToRequest(), 7.0f, 1.5f * kDt);
    EXPECT_EQ(Requested(), StateTeamSplash);
    EXPECT_NE(Log().find("Splash TessaryLogo: asks for state 2\n"), std::string::npos) << Log();
    splash.Exit();
    cGameState_TeamSplash team;
    Start(team, 0.0f);
    EXPECT_NEAR(RunToRequest(), 7.0f, 1.5f * kDt);
    EXPECT_EQ(Requested(), StateMainMenu);
    team.Exit();
}

TEST_F(SplashScreenTest, ExitStopsEverySoundAndClearsTheGui) {
    cGameState_Splash splash;
    Start(splash, 1.0f);
    EXPECT_FALSE(Engine::cGUIManager::Instance().Elements().empty());
    splash.Exit();
    EXPECT_TRUE(Engine::cGUIManager::Instance().Elements().empty());
    EXPECT_EQ(sounds.back(), "stop all");
}

TEST_F(SplashScreenTest, AMissingLogoIsLoggedAndTheScreenStillMovesOn) {
    cGameState_Splash splash;
    Engine::iTextureManager* textures = Engine::cResourceSystem::Instance().TextureManager();
    for (Engine::cTextureSet*& set : provided) textures->ReleaseTextureSet(set);
    provided.clear();
    Start(splash, 0.0f);
    EXPECT_EQ(splash.Logo(), nullptr);
    EXPECT_NE(Log().find("Error: splash TessaryLogo: there is no texture set \"TessaryLogoTS\""), std::string::npos)
        << Log();
    EXPECT_NEAR(RunToRequest(), 7.0f, 1.5f * kDt);
    splash.Exit();
}

}  // namespace
}  // namespace Game
