// The end state on the null device: its camera and light, the closing story
// that leads to the main menu, the short black pause and the main menu when
// there is no story, and a run's end that gives the GUI and the entities back.

#include "game/states/cGameState_EndState.h"

#include "engine/render/scene/cLightManager.h"
#include "engine/ui/cUIMouseCursor.h"
#include "game/entities/cGameCamera.h"
#include "tests/game/states/GameplayFixture.h"

namespace Game {
namespace {

constexpr const char* kFinal = R"(<Cutscenes>
  <Level0 texture="IntroTS"><Section/></Level0>
  <Final texture="FinalTS">
    <Section posX="0.5" posY="0.5" scaleX="1" scaleY="0.9"/>
    <Section posX="1.25" posY="0.5" scaleX="2.25" scaleY="2"/>
  </Final>
</Cutscenes>)";

class EndStateTest : public GameplayFixture {
protected:
    void SetUp() override {
        GameplayFixture::SetUp();
        driven = &end;
        cGameStateManager::Instance().current_id = cGameStateManager::Instance().next_id = StateEnd;
        for (const char* texture : {"FinalTS", cCutscene::kBlackOverlayTexture, cCutscene::kFrameOverlayTexture}) {
            ProvideTexture(texture);
        }
    }

    // Seconds of frames until the state asks for another (limit: a minute).
    float RunToRequest() {
        for (int frame = 1; frame <= 3000; ++frame) {
            Frame();
            if (Requested() != StateEnd) return frame * kDt;
        }
        return -1.0f;
    }

    cGameState_EndState end;
};

TEST_F(EndStateTest, EnterLightsTheSceneAndLooksThroughAGameCamera) {
    WriteCutscenes(kFinal);
    end.Enter();
    const Engine::ColorRGBA ambient = Engine::cLightManager::Instance().Ambient();
    EXPECT_EQ(ambient, (Engine::ColorRGBA{0.5f, 0.5f, 0.8f, 1.0f}));
    const cGameCamera* camera = end.Camera();
    ASSERT_NE(camera, nullptr);
    EXPECT_EQ(scene->ActiveCamera(), camera);
    EXPECT_FLOAT_EQ(camera->fieldOfView, 90.0f);
    EXPECT_FLOAT_EQ(camera->far, 1000.0f);
    EXPECT_FLOAT_EQ(camera->aspect, 1280.0f / 720.0f);
    EXPECT_NEAR(camera->target.y, 1.0f, 1e-4f);
    EXPECT_NEAR(camera->latitude, -65.0f, 1e-3f) << "the eye swung up to 65 degrees, looking down";
    EXPECT_NEAR(camera->distance, 3.5f, 1e-4f);
    end.Exit();
}

TEST_F(EndStateTest, TheClosingStoryPlaysAndTheMainMenuFollowsIt) {
    WriteCutscenes(kFinal);
    end.Enter();
    ASSERT_NE(end.Cutscene(), nullptr);
    EXPECT_EQ(end.Cutscene()->Picture()->Sprite().TextureSet()->Name(), "FinalTS");
    EXPECT_EQ(end.Cutscene()->Sections().size(), 1u);
    EXPECT_NEAR(RunToRequest(), 6.0f * 2 + 1, 0.2f) << "two framings";
    EXPECT_EQ(Requested(), StateMainMenu);
    EXPECT_NE(Log().find("End: asks for state 3\n"), std::string::npos) << Log();
    end.Exit();
}

TEST_F(EndStateTest, HoldingTheLeftButtonHurriesTheStory) {
    WriteCutscenes(kFinal);
    end.Enter();
    Engine::cMouseState::Instance().ButtonDown(0);
    EXPECT_NEAR(RunToRequest(), 3.0f, 0.2f) << "fade-in, one move and the fade-out";
    end.Exit();
}

// No story, or a story that cannot be told: a short black pause, then the
// main menu, never a black screen for good.
TEST_F(EndStateTest, WithoutAClosingStoryTheMainMenuFollowsAfterAMoment) {
    const char* files[] = {
        "<Cutscenes/>",
        R"(<Cutscenes><Final texture=""><Section/></Final></Cutscenes>)",
        R"(<Cutscenes><Final texture="FinalTS"/></Cutscenes>)",
        nullptr,  // no file at all
    };
    for (const char* file : files) {
        if (file != nullptr) {
            WriteCutscenes(file);
        } else {
            std::filesystem::remove(dir.File("GameData/XML_Game/Cutscenes/cutscenes.xml"));
        }
        cGameStateManager::Instance().next_id = StateEnd;
        end.Enter();
        EXPECT_EQ(end.Cutscene(), nullptr) << (file ? file : "no file");
        EXPECT_NEAR(RunToRequest(), cGameState_EndState::kNoCutsceneSeconds, 1.5f * kDt) << (file ? file : "no file");
        EXPECT_EQ(Requested(), StateMainMenu);
        end.Exit();
    }
    EXPECT_NE(Log().find("End: there is no closing cutscene; the main menu follows in a moment"), std::string::npos);
}

TEST_F(EndStateTest, TheCursorHidesWhileTheStoryPlays) {
    WriteCutscenes(kFinal);
    ProvideTexture("MouseCursorTS");
    Engine::cGUIManager::Instance().CreateCursor(64.0f, 64.0f, "MouseCursorTS", {0.0f, 0.0f});
    const Engine::cUIMouseCursor* cursor = Engine::cGUIManager::Instance().Cursor();
    ASSERT_NE(cursor, nullptr);
    end.Enter();
    Frames(3);
    EXPECT_FALSE(cursor->IsVisible());
    end.Exit();
    EXPECT_TRUE(cursor->IsVisible());
}

TEST_F(EndStateTest, ExitGivesTheStoryTheCameraAndTheGuiBack) {
    WriteCutscenes(kFinal);
    const std::size_t gui_before = Engine::cGUIManager::Instance().Elements().size();
    for (int run = 0; run < 3; ++run) {
        end.Enter();
        Frames(run * 20);
        end.Exit();
        EXPECT_EQ(end.Cutscene(), nullptr);
        EXPECT_EQ(scene->ActiveCamera(), nullptr);
        EXPECT_EQ(Engine::cGUIManager::Instance().Elements().size(), gui_before);
    }
}

}  // namespace
}  // namespace Game
