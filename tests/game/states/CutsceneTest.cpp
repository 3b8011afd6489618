// cCutscene: the picture story's pictures and framings as Build makes them,
// its timing without input, with the left button held and with Skip at every
// phase, the moves' law, the fades' square law, the frame's breathing, the
// reading of the cutscene file with its faults, the decoration batches it
// hides, and a Destroy that gives every picture back once.

#include "game/states/cCutscene.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <cmath>
#include <memory>
#include <numbers>
#include <string>
#include <vector>

#include "engine/render/scene/cModelGfxCmp.h"
#include "game/entities/cDecoration.h"
#include "tests/engine/ui/GUIFixture.h"
#include "tests/game/entities/SceneryFixture.h"

namespace Game {
namespace {

using Phase = cCutscene::ePhase;
using Framing = cCutscene::Framing;

constexpr float kDt = 0.02f;
// A timed step (a fade, a rest, a move) may take a frame or two more than its time: a rest looks at its
// clock before it advances it, and frame times add up in single precision.
constexpr float kStepSlack = 2.5f * kDt;
constexpr const char* kStory = "StoryTS";

const Framing kWhole{{0.5f, 0.5f}, {1.0f, 0.9f}};
const Framing kLeft{{0.2f, 0.6f}, {2.0f, 1.5f}};
const Framing kRight{{0.8f, 0.4f}, {1.5f, 2.0f}};

class CutsceneTest : public GUIFixture {
protected:
    CutsceneTest() {
        MakeSheet(kStory, 64, 32);
        MakeSheet(cCutscene::kBlackOverlayTexture, 4, 4);
        MakeSheet(cCutscene::kFrameOverlayTexture, 64, 32);
    }

    ~CutsceneTest() override { cDecorationBatches::Destroy(); }

    static std::unique_ptr<cCutscene> Story(std::vector<Framing> next = {}) {
        return cCutscene::Build(kStory, kWhole, std::move(next));
    }

    // Seconds of frames until the story finishes (limit: a minute), noting the phase after each frame.
    float PlayToTheEnd(cCutscene& story) {
        phases.clear();
        for (int frame = 1; frame <= 3000; ++frame) {
            story.Update(kDt);
            phases.push_back(story.Phase());
            if (story.Finished()) return static_cast<float>(frame) * kDt;
        }
        return -1.0f;
    }

    void Play(cCutscene& story, float seconds) {
        for (float t = 0.0f; t < seconds - kDt / 2; t += kDt) story.Update(kDt);
    }

    int FramesIn(Phase phase) const { return static_cast<int>(std::count(phases.begin(), phases.end(), phase)); }

    static float PictureAlpha(const cCutscene& story) { return story.Picture()->Sprite().emissive.a; }

    int Events(const std::string& event) const {
        return static_cast<int>(std::count(layers.events.begin(), layers.events.end(), event));
    }

    std::vector<Phase> phases;
};

TEST_F(CutsceneTest, BuildMakesTheBlackThePictureAtItsFirstFramingAndTheFrameOverIt) {
    auto story = Story({kLeft});
    ASSERT_NE(story->Picture(), nullptr);
    ASSERT_NE(story->BlackOverlay(), nullptr);
    ASSERT_NE(story->FrameOverlay(), nullptr);
    EXPECT_EQ(layers.events, (std::vector<std::string>{"add-sprite 7 BlackOverlayTS", "add-sprite 8 StoryTS",
                                                        "add-sprite 9 CutsceneOverlayTS"}));
    const Engine::cUIImage& picture = *story->Picture();
    EXPECT_FLOAT_EQ(picture.posX, 0.5f);
    EXPECT_FLOAT_EQ(picture.posY, 0.5f);
    // The quad is the first framing's size and the element scale multiplies it.
    EXPECT_FLOAT_EQ(picture.Sprite().Width(), 1.0f * 1000.0f);
    EXPECT_FLOAT_EQ(picture.Sprite().Height(), 0.9f * 500.0f);
    EXPECT_FLOAT_EQ(picture.scaleX, 1.0f);
    EXPECT_FLOAT_EQ(picture.scaleY, 0.9f);
    EXPECT_FLOAT_EQ(picture.transform.m[1][1] * picture.Sprite().Height(), 0.81f * 500.0f)
        << "shown 0.9 x 0.9 of the screen high";
    EXPECT_FLOAT_EQ(story->BlackOverlay()->Sprite().Width(), 1000.0f);
    EXPECT_FLOAT_EQ(story->FrameOverlay()->Sprite().emissive.a, 0.75f);
    EXPECT_EQ(story->Sections(), std::vector<Framing>{kLeft}) << "the first framing is not stored";
    EXPECT_EQ(story->Phase(), Phase::FadeIn);
    for (const Engine::cUIImage* image : {story->BlackOverlay(), story->Picture(), story->FrameOverlay()}) {
        EXPECT_TRUE(image->IsVisible());
    }
    EXPECT_FLOAT_EQ(PictureAlpha(*story), 0.0f) << "the picture starts unseen";
    EXPECT_FALSE(story->Finished());
}

TEST_F(CutsceneTest, OneFramingFadesInRestsFiveSecondsAndFadesOutInAboutSeven) {
    auto story = Story();
    const float seconds = PlayToTheEnd(*story);
    EXPECT_NEAR(seconds, 7.0f, 3 * kStepSlack);
    EXPECT_NEAR(FramesIn(Phase::FadeIn) * kDt, 1.0f, kStepSlack);
    EXPECT_NEAR(FramesIn(Phase::Hold) * kDt, 5.0f, kStepSlack);
    EXPECT_NEAR(FramesIn(Phase::FadeOut) * kDt, 1.0f, kStepSlack);
    EXPECT_EQ(FramesIn(Phase::Move), 0);
    EXPECT_EQ(story->Phase(), Phase::Done);
    for (const Engine::cUIImage* image : {story->BlackOverlay(), story->Picture(), story->FrameOverlay()}) {
        EXPECT_FALSE(image->IsVisible());
    }
    Play(*story, 1.0f);
    EXPECT_EQ(story->Phase(), Phase::Done) << "the story never leaves its end";
}

TEST_F(CutsceneTest, EachMoveTakesOneSecondLinearlyAndEndsExactlyOnItsFraming) {
    auto story = Story({kLeft, kRight});
    std::vector<std::vector<Framing>> moves;
    Phase before = story->Phase();
    float seconds = 0.0f;
    while (!story->Finished() && seconds < 60.0f) {
        story->Update(kDt);
        seconds += kDt;
        // The poses of the updates that ran a move, move by move.
        if (before == Phase::Move) {
            const Engine::cUIImage& p = *story->Picture();
            moves.back().push_back({{p.posX, p.posY}, {p.scaleX, p.scaleY}});
        }
        if (story->Phase() == Phase::Move && before != Phase::Move) moves.emplace_back();
        before = story->Phase();
    }
    EXPECT_NEAR(seconds, 6.0f * 3 + 1, 7 * kStepSlack) << "three rests, two moves and two fades";
    ASSERT_EQ(moves.size(), 2u);
    const Framing ends[] = {kLeft, kRight};
    const Framing starts[] = {kWhole, kLeft};
    for (std::size_t m = 0; m < 2; ++m) {
        EXPECT_NEAR(moves[m].size() * kDt, 1.0f, kStepSlack) << "move " << m;
        EXPECT_EQ(moves[m].back(), ends[m]) << "move " << m << " ends exactly on its framing";
        for (std::size_t f = 0; f < moves[m].size(); ++f) {
            const float t = std::min(1.0f, (f + 1) * kDt);
            const Framing& a = starts[m];
            const Framing& b = ends[m];
            EXPECT_NEAR(moves[m][f].position.x, a.position.x + (b.position.x - a.position.x) * t, 1e-4f);
            EXPECT_NEAR(moves[m][f].position.y, a.position.y + (b.position.y - a.position.y) * t, 1e-4f);
            EXPECT_NEAR(moves[m][f].scale.x, a.scale.x + (b.scale.x - a.scale.x) * t, 1e-4f);
            EXPECT_NEAR(moves[m][f].scale.y, a.scale.y + (b.scale.y - a.scale.y) * t, 1e-4f);
        }
    }
    EXPECT_EQ(story->SectionIndex(), 2u);
}

TEST_F(CutsceneTest, TheLeftButtonHeldCutsEveryRestToOneFrame) {
    auto story = Story({kLeft, kRight});
    Engine::cMouseState::Instance().ButtonDown(0);
    const float seconds = PlayToTheEnd(*story);
    // Fade-in, two moves and the fade-out: four seconds, and one frame for each of the three rests.
    EXPECT_NEAR(seconds, 4.0f + 3 * kDt, 4 * kStepSlack);
    EXPECT_EQ(FramesIn(Phase::Hold), 3);
    EXPECT_NEAR(FramesIn(Phase::Move) * kDt, 2.0f, 2 * kStepSlack);
}

// Skip ends the story after the rest it comes in, and is forgotten when it
// comes while the picture fades in or moves.
TEST_F(CutsceneTest, SkipDuringARestStartsTheFadeOutAndIsForgottenOtherwise) {
    struct Case {
        const char* when;
        float at;
        bool ends_early;
    };
    for (const Case& c : {Case{"fade-in", 0.5f, false}, Case{"first rest", 3.0f, true}, Case{"move", 6.5f, false},
                          Case{"last rest", 9.0f, true}}) {
        auto story = Story({kLeft});
        Play(*story, c.at);
        const Phase skipped_in = story->Phase();
        story->Skip();
        story->Update(kDt);
        if (c.ends_early) {
            EXPECT_EQ(skipped_in, Phase::Hold) << c.when;
            EXPECT_EQ(story->Phase(), Phase::FadeOut) << c.when << ": the fade-out starts on the next update";
            EXPECT_NEAR(PlayToTheEnd(*story), 1.0f, kStepSlack) << c.when << ": then one second of fade-out";
        } else {
            EXPECT_NE(skipped_in, Phase::Hold) << c.when;
            EXPECT_NEAR(c.at + kDt + PlayToTheEnd(*story), 13.0f, 4 * kStepSlack)
                << c.when << ": the story runs its course";
        }
    }
}

TEST_F(CutsceneTest, ThePictureFadesBothWaysOnASquareLaw) {
    auto story = Story();
    Play(*story, 0.5f);
    EXPECT_NEAR(PictureAlpha(*story), 0.25f, 0.01f) << "a quarter of the way half-way through the fade-in";
    Play(*story, 0.5f + kDt);
    ASSERT_EQ(story->Phase(), Phase::Hold);
    EXPECT_FLOAT_EQ(PictureAlpha(*story), 1.0f) << "opaque all through the rest";
    while (story->Phase() == Phase::Hold) story->Update(kDt);
    ASSERT_EQ(story->Phase(), Phase::FadeOut);
    Play(*story, 0.5f);
    EXPECT_NEAR(PictureAlpha(*story), 0.25f, 0.01f) << "a quarter of the way half-way through the fade-out";
}

TEST_F(CutsceneTest, TheFrameBreathesFromOnePointOneTwoAtPhaseZeroToOnePointOneAtPi) {
    auto story = Story();
    story->Update(0.0f);
    EXPECT_FLOAT_EQ(story->FrameOverlay()->scaleX, 1.12f);
    EXPECT_FLOAT_EQ(story->FrameOverlay()->scaleY, 1.12f);
    // Thirty radians a second: this step takes the phase to pi, which the next update poses.
    story->Update(std::numbers::pi_v<float> / 30.0f);
    story->Update(0.0f);
    EXPECT_FLOAT_EQ(story->FrameOverlay()->scaleX, 1.1f);
    EXPECT_FLOAT_EQ(story->FrameOverlay()->scaleY, 1.1f);
}

TEST_F(CutsceneTest, DestroyGivesEveryPictureBackOnceAndStopsTheStory) {
    auto story = Story({kLeft});
    Play(*story, 2.0f);
    story->Destroy();
    EXPECT_EQ(Events("remove-sprite"), 3);
    EXPECT_EQ(story->Picture(), nullptr);
    EXPECT_EQ(story->Phase(), Phase::None);
    story->Update(kDt);
    story->Destroy();
    story.reset();
    EXPECT_EQ(Events("remove-sprite"), 3) << "nothing is given back twice";
    EXPECT_TRUE(gui().Elements().empty());
}

TEST_F(CutsceneTest, APictureWithoutItsTextureSetIsLeftOutAndTheStoryStillEnds) {
    auto story = cCutscene::Build("NoSuchTS", kWhole, {kLeft});
    EXPECT_EQ(story->Picture(), nullptr);
    EXPECT_NE(story->BlackOverlay(), nullptr);
    EXPECT_NE(EngineLog().find("Error: cutscene: there is no texture set \"NoSuchTS\"; its picture is left out"),
              std::string::npos)
        << EngineLog();
    EXPECT_NEAR(PlayToTheEnd(*story), 13.0f, 4 * kStepSlack);
    EXPECT_FALSE(story->BlackOverlay()->IsVisible());
}

// ---- Reading the cutscene file ---------------------------------------------------

TEST_F(CutsceneTest, ReadFindsTheNamedStoryAmongTheRootsChildrenWithItsFramingsInOrder) {
    dir.Write("cutscenes.xml", R"(<AnyRoot>
  <Level1 texture="OtherTS"><Section posX="9"/></Level1>
  <Level0 texture="StoryTS">
    <Section posX="0.25" posY="0.75" scaleX="1.5" scaleY="0.5"/>
    <Section posX="0.2f" posY="0.6" scaleX="2" scaleY="1.5"/>
    <Section/>
  </Level0>
</AnyRoot>)");
    auto story = cCutscene::Read("cutscenes.xml", "Level0");
    ASSERT_NE(story, nullptr);
    EXPECT_EQ(story->Picture()->Sprite().TextureSet()->Name(), kStory);
    EXPECT_FLOAT_EQ(story->Picture()->posX, 0.25f);
    EXPECT_FLOAT_EQ(story->Picture()->posY, 0.75f);
    EXPECT_FLOAT_EQ(story->Picture()->scaleX, 1.5f);
    EXPECT_FLOAT_EQ(story->Picture()->scaleY, 0.5f);
    const Framing defaults{{1.0f, 1.0f}, {1.0f, 1.0f}};
    EXPECT_EQ(story->Sections(), (std::vector<Framing>{{{0.2f, 0.6f}, {2.0f, 1.5f}}, defaults}))
        << "a missing attribute reads as 1";
    EXPECT_EQ(EngineLog().find("Error"), std::string::npos) << EngineLog();
}

TEST_F(CutsceneTest, ReadTellsNoStoryForAnAbsentEmptyOrUnframedElementAndLogsTheFaults) {
    struct Case {
        const char* what;
        const char* file;  // null: there is no file
        const char* logged;  // null: nothing is logged
    };
    const Case cases[] = {
        {"no file", nullptr,
         "Error: the cutscene file \"cutscenes.xml\" could not be read; there is no cutscene Level0"},
        {"malformed file", "<Cutscenes><Level0 texture=\"StoryTS\">", "could not be read"},
        {"no such element", R"(<C><Level1 texture="StoryTS"><Section/></Level1></C>)", nullptr},
        {"only nested deeper", R"(<C><Group><Level0 texture="StoryTS"><Section/></Level0></Group></C>)", nullptr},
        {"no texture", R"(<C><Level0><Section/></Level0></C>)", nullptr},
        {"an empty texture", R"(<C><Level0 texture=""><Section/></Level0></C>)", nullptr},
        {"a texture but no section", R"(<C><Level0 texture="StoryTS"/></C>)",
         "Error: cutscene Level0 names the picture \"StoryTS\" but has no Section to show it in"},
    };
    for (const Case& c : cases) {
        std::filesystem::remove(dir.File("cutscenes.xml"));
        std::filesystem::remove(dir.File("Engine.log"));
        Engine::cLog::Destroy();
        if (c.file != nullptr) dir.Write("cutscenes.xml", c.file);
        EXPECT_EQ(cCutscene::Read("cutscenes.xml", "Level0"), nullptr) << c.what;
        const std::string log = EngineLog();
        if (c.logged != nullptr) {
            EXPECT_NE(log.find(c.logged), std::string::npos) << c.what << "\n" << log;
        } else {
            EXPECT_EQ(log.find("Error"), std::string::npos) << c.what << "\n" << log;
        }
        EXPECT_TRUE(layers.events.empty()) << c.what << ": no picture is made";
    }
}

TEST_F(CutsceneTest, AFramingValueThatIsNoNumberIsLoggedAndReadsAsOne) {
    dir.Write("cutscenes.xml", R"(<C><Final texture="StoryTS"><Section posX="left" scaleY="0.5"/></Final></C>)");
    auto story = cCutscene::Read("cutscenes.xml", "Final");
    ASSERT_NE(story, nullptr);
    EXPECT_FLOAT_EQ(story->Picture()->posX, 1.0f);
    EXPECT_FLOAT_EQ(story->Picture()->scaleY, 0.5f);
    EXPECT_NE(EngineLog().find("Error: cutscene Final: Section posX=\"left\" is no number; it reads as 1"),
              std::string::npos)
        << EngineLog();
}

// ---- The level's scenery -----------------------------------------------------------

class CutsceneSceneryTest : public SceneryTest::SceneryFixture {
protected:
    // The GUI's shaders come from the shipped data.
    void SetUp() override {
        std::filesystem::create_directory_symlink(std::filesystem::path(BRAMBLEBY_SOURCE_DIR) / "GameData",
                                                  dir.Path() / "GameData");
        SceneryFixture::SetUp();
    }

    void TearDown() override {
        Engine::cGUIManager::Destroy();
        Engine::cMouseState::Destroy();
        SceneryFixture::TearDown();
    }

    // Two baked batches, rocks and a bush.
    void BakeScenery() {
        int counter = 0;
        for (const char* id : {"Rock", "Bush"}) {
            LevelObjectValues values;
            values.name = std::string("Deco_") + id + std::to_string(counter++);
            values.catalogue_id = id;
            values.game_state = 10;
            ASSERT_NE(Make<cDecoration>(GAME_ENT_TYPES::DECORATION, values), nullptr);
        }
        ASSERT_EQ(cDecorationBatches::Instance().Bake(), 2u);
    }

    static bool AllBatchesVisible(bool visible) {
        const auto& models = cDecorationBatches::Instance().Models();
        return std::all_of(models.begin(), models.end(),
                           [visible](const Engine::cModelGfxCmp* model) { return model->visible == visible; });
    }
};

TEST_F(CutsceneSceneryTest, TheDecorationBatchesHideWhileTheStoryPlaysAndComeBackAfter) {
    BakeScenery();
    auto story = cCutscene::Build(kStory, kWhole, {});
    EXPECT_TRUE(AllBatchesVisible(false));
    for (int frame = 0; frame < 1000 && !story->Finished(); ++frame) story->Update(kDt);
    ASSERT_TRUE(story->Finished());
    EXPECT_TRUE(AllBatchesVisible(true));
    story->Destroy();
}

TEST_F(CutsceneSceneryTest, AStoryDestroyedHalfWayGivesTheBatchesBack) {
    BakeScenery();
    auto story = cCutscene::Build(kStory, kWhole, {});
    story->Update(kDt);
    story.reset();
    EXPECT_TRUE(AllBatchesVisible(true));
}

}  // namespace
}  // namespace Game
