// The level markers as the kid meets them through the real collision pass:
// checkpoints that record the restart point and light on the second frame of
// contact, the win point that sets the won bit and starts its closing shot
// once, the challenge point that starts the kid's timed challenge once, and
// the weather triggers that switch fog and rain while the kid stands in them.

#include <algorithm>
#include <string>

#include "engine/render/scene/cCameraGfxCmp.h"
#include "game/entities/cChallengePoint.h"
#include "game/entities/cCheckPoint.h"
#include "game/entities/cFogTriggerOff.h"
#include "game/entities/cFogTriggerOn.h"
#include "game/entities/cRainTriggerOff.h"
#include "game/entities/cRainTriggerOn.h"
#include "game/entities/cWinPoint.h"
#include "tests/game/entities/MarkerFixture.h"

namespace {

using Engine::Vector3;
using Game::cCheckPoint;
using Game::cKid;
using Game::cWinPoint;
using MarkerTest::MarkerFixture;
namespace Types = Game::GAME_ENT_TYPES;

class MarkersTest : public MarkerFixture {
protected:
    long Played(const std::string& entry) const { return std::count(sounds.begin(), sounds.end(), entry); }

    static std::uint32_t AuraStaged() {
        Game::cEmitterAura* aura = Game::cGlobalEffects::Instance().Aura();
        return aura != nullptr ? aura->staged : 0u;
    }

    // A scene camera looking down at target from the south, made active.
    void Watch(const Vector3& target) {
        view.Initialise(target + Vector3{0.0f, 6.0f, -12.0f}, target, {0.0f, 1.0f, 0.0f}, 60.0f, 0.1f, 200.0f);
        view.aspect = 640.0f / 480.0f;
        view.viewportWidth = 640.0f;
        view.viewportHeight = 480.0f;
        Engine::GetSceneRenderer()->SetCamera(&view);
    }

    void TearDown() override {
        Engine::GetSceneRenderer()->SetCamera(nullptr);
        MarkerFixture::TearDown();
    }

    Engine::cCameraGfxCmp view;
};

TEST_F(MarkersTest, ACheckpointRecordsAtOnceAndLightsOnTheSecondFrameOfContact) {
    cCheckPoint* first = MakeMarker<cCheckPoint>(Types::CHECK_POINT, At({10.0f, 0.0f, 0.0f}));
    cCheckPoint* second = MakeMarker<cCheckPoint>(Types::CHECK_POINT, At({20.0f, 0.0f, 0.0f}));
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(first->name, "CheckPoint");
    EXPECT_EQ(first->physics->GetName(), "Checkpoint");
    EXPECT_EQ(first->physics->GetGroupName(), "CheckPoint");
    Step();
    EXPECT_FALSE(Record().reached);
    EXPECT_FALSE(first->lit);
    EXPECT_FALSE(first->halo.visible);

    // One frame on it: the restart point is recorded, the lantern stays dark.
    Place(*kid, {10.0f, 0.0f, 0.0f});
    Step();
    EXPECT_TRUE(Record().reached);
    EXPECT_FLOAT_EQ(Record().position.x, 10.0f);
    EXPECT_EQ(kid->last_checkpoint, first);
    EXPECT_FALSE(first->lit);
    EXPECT_EQ(Played("once LightsOn"), 0);

    // The next frame puts it out and lights it in one go.
    Place(*kid, {10.0f, 0.0f, 0.0f});
    Step();
    EXPECT_TRUE(first->lit);
    EXPECT_TRUE(first->halo.visible);
    EXPECT_EQ(Played("once LightsOn"), 2);
    Place(*kid, {10.0f, 0.0f, 0.0f});
    Run(0.5f);
    EXPECT_EQ(Played("once LightsOn"), 2);

    // The second checkpoint lights in turn and the first stays lit.
    Place(*kid, {20.0f, 0.0f, 0.0f});
    Step();
    Place(*kid, {20.0f, 0.0f, 0.0f});
    Step();
    EXPECT_TRUE(second->lit);
    EXPECT_TRUE(first->lit);
    EXPECT_FLOAT_EQ(Record().position.x, 20.0f);
    EXPECT_EQ(Played("once LightsOn"), 4);
}

TEST_F(MarkersTest, ALitCheckpointGlowsInTheMiddleOfTheScreenAndHidesItsHaloForADeadKid) {
    cCheckPoint* checkpoint = MakeMarker<cCheckPoint>(Types::CHECK_POINT, At({0.0f, 0.0f, 0.0f}));
    ASSERT_NE(checkpoint, nullptr);
    Watch({0.0f, cCheckPoint::kGlowHeight, 0.0f});
    Run(1.0f);
    EXPECT_EQ(AuraStaged(), 0u);  // dark: no sparks

    checkpoint->SetLit(true);
    Run(0.5f);
    // Half a second on, the glow is full (0.5); at the centre of the screen
    // the alpha is then 0.7, which sends 35 sparks a second.
    Game::cGlobalEffects::Instance().Aura()->staged = 0;
    Run(1.0f);
    EXPECT_NEAR(checkpoint->halo.emissive.a, 0.7f, 1e-3f);
    EXPECT_NEAR(static_cast<float>(AuraStaged()), 35.0f, 1.0f);
    EXPECT_TRUE(checkpoint->halo.visible);

    // Off to the side of the screen the glow fades out.
    Watch({8.0f, cCheckPoint::kGlowHeight, 0.0f});
    Step();
    EXPECT_LT(checkpoint->halo.emissive.a, 0.5f);

    Game::cLevelManager::Instance().kid = kid.get();
    kid->status |= cKid::kStatusDead;
    Step();
    EXPECT_FALSE(checkpoint->halo.visible);
}

TEST_F(MarkersTest, TheWinPointSetsTheWonBitWhileTouchedAndStartsItsShotOnce) {
    Game::LevelObjectValues values = At({5.0f, 0.0f, 5.0f});
    values.game_camera = &camera;
    values.cinematic = Game::CinematicTarget{30.0f, 20.0f, 12.0f, {4.0f, 1.0f, 5.0f}, 3.0f};
    cWinPoint* win = MakeMarker<cWinPoint>(Types::WIN_POINT, values);
    ASSERT_NE(win, nullptr);
    EXPECT_EQ(win->name, "Win");
    EXPECT_EQ(win->physics->GetGroupName(), "Enemy");
    Run(0.5f);
    EXPECT_FALSE(kid->HasWon());
    EXPECT_FALSE(win->halo.visible);
    EXPECT_EQ(AuraStaged(), 0u);

    for (int frame = 0; frame < 30; ++frame) {
        kid->status &= ~cKid::kStatusWon;  // cleared each frame: it must be set again while she stays
        Place(*kid, {5.0f, 0.0f, 5.0f});
        Step();
        EXPECT_TRUE(kid->HasWon()) << frame;
    }
    ASSERT_EQ(camera.shots.size(), 1u);
    EXPECT_FLOAT_EQ(camera.shots[0].azimuth, 30.0f);
    EXPECT_FLOAT_EQ(camera.shots[0].distance, 12.0f);
    EXPECT_FLOAT_EQ(camera.shots[0].target.z, 5.0f);
    EXPECT_TRUE(win->triggered);
    EXPECT_TRUE(win->halo.visible);

    // Away again: the halo has faded in to 0.6 after a second, sparks at 100 a second.
    Place(*kid, {0.0f, 0.0f, -30.0f});
    Run(1.0f);
    EXPECT_NEAR(win->halo_alpha, 0.6f, 1e-4f);
    EXPECT_NEAR(static_cast<float>(AuraStaged()), 150.0f, 2.0f);
    EXPECT_EQ(camera.shots.size(), 1u);
}

TEST_F(MarkersTest, TheChallengePointStartsTheChallengeAndItsTimeOutOnce) {
    Game::cChallengePoint* point = MakeMarker<Game::cChallengePoint>(Types::CHALLENGE_POINT,
                                                                     At({0.0f, 0.0f, 10.0f}, {4.0f, 4.0f, 4.0f}));
    ASSERT_NE(point, nullptr);
    EXPECT_EQ(point->physics->GetName(), "ChallengePoint");
    // The box is half the scale across each way: 2.9 units off misses it.
    Place(*kid, {0.0f, 0.0f, 12.9f + 0.5f});
    Step();
    EXPECT_EQ(kid->ChallengeSeconds(), 0);

    Place(*kid, {0.0f, 0.0f, 10.0f});
    Step();
    EXPECT_EQ(kid->ChallengeSeconds(), 45);
    EXPECT_EQ(Played("once ChallengeSound"), 1);
    EXPECT_FALSE(point->active);

    // The challenge runs down with the kid's updates.
    for (int i = 0; i < 10; ++i) kid->Update(1.0f);
    EXPECT_EQ(kid->ChallengeSeconds(), 35);

    // The point is gone: standing there again starts nothing new.
    Place(*kid, {0.0f, 0.0f, 10.0f});
    Step();
    Step();
    EXPECT_EQ(kid->ChallengeSeconds(), 35);
    const auto* pool = Game::cGameFactory::Instance().GetFactory(Types::CHALLENGE_POINT);
    EXPECT_EQ(pool->BuiltCount() - pool->FreeCount(), 0u);
}

// The weather record as a case sees it.
struct Weather {
    bool fog_on;
    float fog_density;
    bool raining;
    float rain_intensity;
    float gust_level;
};

struct WeatherCase {
    const char* name;
    Game::EntityTypeId type;
    float intensity;
    Weather before;
    Weather after;
};

class WeatherTriggerTest : public MarkersTest, public ::testing::WithParamInterface<WeatherCase> {
protected:
    static void Set(const Weather& w) {
        Game::cEnvironmentEffects& env = Game::cEnvironmentEffects::Instance();
        env.Fog()->enabled = w.fog_on;
        env.Fog()->density = w.fog_density;
        env.raining = w.raining;
        env.rain_intensity = w.rain_intensity;
        env.gust_level = w.gust_level;
        env.gust_peak = w.gust_level;
        env.drop_carry = w.gust_level;
    }

    static void Expect(const Weather& w) {
        Game::cEnvironmentEffects& env = Game::cEnvironmentEffects::Instance();
        EXPECT_EQ(env.Fog()->enabled, w.fog_on);
        EXPECT_FLOAT_EQ(env.Fog()->density, w.fog_density);
        EXPECT_EQ(env.raining, w.raining);
        EXPECT_FLOAT_EQ(env.rain_intensity, w.rain_intensity);
        EXPECT_FLOAT_EQ(env.gust_level, w.gust_level);
        EXPECT_FLOAT_EQ(env.gust_peak, w.gust_level);
        EXPECT_FLOAT_EQ(env.drop_carry, w.gust_level);
    }
};

TEST_P(WeatherTriggerTest, TheKidInTheBoxSwitchesTheWeatherEveryFrameAndTheBoxStays) {
    const WeatherCase& c = GetParam();
    Game::LevelObjectValues values = At({0.0f, 0.0f, 10.0f}, {2.0f, 2.0f, 2.0f});
    values.intensity = c.intensity;
    auto* trigger = MakeMarker<Game::cTriggerVolume>(c.type, values);
    ASSERT_NE(trigger, nullptr);
    EXPECT_EQ(trigger->physics->GetName(), trigger->EntityName());
    EXPECT_EQ(trigger->physics->GetGroupName(), "Trigger");
    ASSERT_NE(Game::cEnvironmentEffects::Instance().Fog(), nullptr);

    // Outside the box (its half extents are the scale: 2 units) nothing changes.
    Set(c.before);
    Place(*kid, {0.0f, 0.0f, 12.6f});
    Step();
    Expect(c.before);

    Place(*kid, {0.0f, 0.0f, 11.0f});
    Step();
    Expect(c.after);
    // Undone behind its back, it is done again the next frame the kid is in the box.
    Set(c.before);
    Place(*kid, {0.0f, 0.0f, 11.0f});
    Step();
    Expect(c.after);
    EXPECT_TRUE(trigger->active);
}

INSTANTIATE_TEST_SUITE_P(
    Triggers, WeatherTriggerTest,
    ::testing::Values(
        WeatherCase{"FogOn", Types::FOG_TRIGGER_ON, 0.7f, {false, 0.2f, false, 0.0f, 0.0f},
                    {true, 0.7f, false, 0.0f, 0.0f}},
        WeatherCase{"FogOff", Types::FOG_TRIGGER_OFF, 0.7f, {true, 0.4f, true, 0.3f, 0.5f},
                    {false, 0.4f, true, 0.3f, 0.5f}},
        WeatherCase{"RainOnWhileDry", Types::RAIN_TRIGGER_ON, 0.8f, {true, 0.4f, false, 0.0f, 0.5f},
                    {true, 0.4f, true, 0.8f, 0.0f}},
        WeatherCase{"RainOnWhileRaining", Types::RAIN_TRIGGER_ON, 0.8f, {true, 0.4f, true, 0.3f, 0.5f},
                    {true, 0.4f, true, 0.8f, 0.5f}},
        WeatherCase{"RainOff", Types::RAIN_TRIGGER_OFF, 0.8f, {true, 0.4f, true, 0.3f, 0.5f},
                    {true, 0.4f, false, 0.3f, 0.0f}}),
    [](const ::testing::TestParamInfo<WeatherCase>& info) { return std::string(info.param.name); });

}  // namespace
