// cEnvironmentEffects: the weather systems made by Reset, the fog following
// the kid, drop points, gusts with F10, the weather switches, and a frame of
// rain going through the particle systems.

#include "game/entities/cEnvironmentEffects.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

#include "engine/core/Easing.h"
#include "engine/core/Random.h"
#include "engine/platform/cKeyboardState.h"
#include "tests/game/entities/ParticleServices.h"

namespace {

using Engine::Vector3;
using Game::cEnvironmentEffects;

// Stands in for the level manager's kid: something with a position.
class cFollowed : public Engine::cEntity {
public:
    std::int32_t GetType() const override { return 3; }
};

class EnvironmentEffectsTest : public ParticleServices {
protected:
    EnvironmentEffectsTest() {
        Engine::SeedRandomOnce(20261210u);
        cEnvironmentEffects::Destroy();
        Engine::cKeyboardState::Instance().Clear();
        kid.position = {5.0f, 0.0f, -3.0f};
    }
    ~EnvironmentEffectsTest() override {
        cEnvironmentEffects::Destroy();
        Engine::cKeyboardState::Instance().Clear();
    }

    static cEnvironmentEffects& Env() { return cEnvironmentEffects::Instance(); }

    // A started manager and a reset environment following the kid.
    void StartLevel() {
        Manager().Start();
        Env().Reset(&kid);
    }

    cFollowed kid;
};

TEST_F(EnvironmentEffectsTest, ResetMakesTheThreeWeatherSystemsWithTheirCurves) {
    StartLevel();
    const auto& systems = Manager().Systems();
    ASSERT_EQ(3u, systems.size());
    struct SystemCase {
        const char* name;
        int32_t kind;
        uint32_t capacity;
    };
    const SystemCase cases[] = {{"Effect_Fog", 1, 300}, {"Effect_Rain", 0, 500}, {"Effect_Splatter", 1, 1000}};
    for (size_t i = 0; i < 3; ++i) {
        SCOPED_TRACE(cases[i].name);
        EXPECT_EQ(cases[i].name, systems[i]->Name());
        EXPECT_EQ(cases[i].kind, systems[i]->Kind());
        EXPECT_EQ(cases[i].capacity, systems[i]->Capacity());
        EXPECT_EQ(2, systems[i]->Blend());
        ASSERT_EQ(1u, systems[i]->Emitters().size());
    }
    EXPECT_EQ(systems[0]->Emitters()[0].get(), Env().Fog());
    EXPECT_EQ(systems[1]->Emitters()[0].get(), Env().Rain());
    EXPECT_EQ(systems[2]->Emitters()[0].get(), Env().Splatter());
    EXPECT_EQ(&Engine::EaseCosinePulse, systems[0]->alpha_curve);
    EXPECT_EQ(&Engine::EaseLinear, systems[0]->life_curve);
    EXPECT_EQ(&Engine::EaseLinear, systems[1]->alpha_curve);
    EXPECT_EQ(&Engine::EaseLinearClamped, systems[2]->life_curve);
    EXPECT_EQ(&Engine::EaseQuadOut, systems[2]->size_curve);
    EXPECT_TRUE(Env().Fog()->enabled);
    EXPECT_EQ(0.0f, Env().Fog()->density);
    EXPECT_TRUE(Env().raining);
    EXPECT_EQ(0.0f, Env().rain_intensity);
    EXPECT_EQ(Vector3(0.0f, 0.0f, -1.0f), Env().wind_dir);
    EXPECT_EQ(&Env().drop_points, Env().Rain()->drop_points);
    EXPECT_EQ(&Env().drop_points, Env().Splatter()->drop_points);
}

TEST_F(EnvironmentEffectsTest, ASecondResetStartsTheWeatherAgainWithoutSecondEmitters) {
    StartLevel();
    Env().FogOn(2.0f);
    Env().RainOn(1.0f);
    Env().Update(0.1f);
    Env().Reset(&kid);
    for (const auto& system : Manager().Systems()) EXPECT_EQ(1u, system->Emitters().size()) << system->Name();
    EXPECT_EQ(0.0f, Env().Fog()->density);
    EXPECT_EQ(0.0f, Env().rain_intensity);
    EXPECT_EQ(0.0f, Env().drop_carry);
    EXPECT_TRUE(Env().drop_points.empty());
}

TEST_F(EnvironmentEffectsTest, AtIntensityZeroAboutOneDropASecondFallsNearTheKidWithoutSplash) {
    StartLevel();
    int drops = 0;
    for (int frame = 0; frame < 200; ++frame) {
        kid.position.x += 0.05f;
        Env().Update(0.05f);
        ASSERT_LE(Env().drop_points.size(), 1u);
        for (const Game::DropPoint& p : Env().drop_points) {
            EXPECT_LE(std::fabs(p.x - kid.position.x), 6.01f);
            EXPECT_LE(std::fabs(p.z - kid.position.z), 6.01f);
        }
        drops += static_cast<int>(Env().drop_points.size());
        Env().Splatter()->Emit(0.05f);
        EXPECT_EQ(0u, Env().Splatter()->staged) << "one drop point makes no splash";
    }
    EXPECT_GE(drops, 9);
    EXPECT_LE(drops, 10);
}

TEST_F(EnvironmentEffectsTest, DropsGrowWithIntensityUpToTheFrameLimit) {
    struct RateCase {
        float intensity;
        size_t first_frame;
    };
    // 0.1 s of rain: 0.1 + 50 * intensity drops, at most 250 a frame.
    for (const RateCase& c : {RateCase{1.0f, 50}, {2.0f, 100}, {10.0f, 250}}) {
        SCOPED_TRACE(c.intensity);
        StartLevel();
        Env().RainOn(c.intensity);
        Env().Update(0.1f);
        EXPECT_EQ(c.first_frame, Env().drop_points.size());
        Env().Splatter()->Emit(0.1f);
        EXPECT_EQ(c.first_frame / 2, Env().Splatter()->staged);
        Env().Splatter()->staged = 0;
    }
}

TEST_F(EnvironmentEffectsTest, GustsHaveNoStrengthAtIntensityZero) {
    StartLevel();
    for (int frame = 0; frame < 300; ++frame) {
        if (frame == 10) Engine::cKeyboardState::Instance().KeyDown(cEnvironmentEffects::kGustKey);
        Env().Update(0.05f);
        Engine::cKeyboardState::Instance().Age(0.05f);
        EXPECT_EQ(0.0f, Env().gust_level);
        EXPECT_EQ(0.0f, Env().Rain()->wind.x);
        EXPECT_EQ(0.0f, Env().Rain()->wind.z);
        EXPECT_EQ(0.0f, Env().Rain()->tilt);
    }
}

TEST_F(EnvironmentEffectsTest, F10StartsAGustAtOnceThatDiesAwayOverTwoSeconds) {
    StartLevel();
    Env().RainOn(1.0f);
    Env().gust_clock = 100.0f;
    Env().Update(0.1f);
    EXPECT_EQ(0.0f, Env().gust_level) << "no gust before the key or the clock";
    Engine::cKeyboardState& keys = Engine::cKeyboardState::Instance();
    keys.Age(0.1f);
    keys.KeyDown(cEnvironmentEffects::kGustKey);
    Env().Update(0.1f);
    EXPECT_FLOAT_EQ(5.0f, Env().gust_peak);
    EXPECT_FLOAT_EQ(5.0f, Env().gust_level);
    EXPECT_EQ(0.0f, Env().Rain()->wind.x);
    EXPECT_FLOAT_EQ(-5.0f, Env().Rain()->wind.z);
    EXPECT_FLOAT_EQ(5.0f * 0.03333f * 1.570796f, Env().Rain()->tilt);
    EXPECT_GE(Env().gust_clock, 1.0f);
    EXPECT_LE(Env().gust_clock, 1.99f + 1e-5f);
    // Held, not pressed again: the gust runs its course instead of restarting.
    keys.Age(0.1f);
    Env().gust_clock = 100.0f;
    for (int frame = 0; frame < 25; ++frame) Env().Update(0.1f);
    EXPECT_FLOAT_EQ(5.0f, Env().gust_peak);
    EXPECT_NEAR(0.0f, Env().gust_level, 1e-5f);
    EXPECT_NEAR(0.0f, Env().Rain()->wind.z, 1e-5f);
    EXPECT_NEAR(0.0f, Env().Rain()->tilt, 1e-5f);
    EXPECT_EQ(2.0f, Env().gust_time) << "the gust time stops at two seconds";
}

TEST_F(EnvironmentEffectsTest, TheGustClockStartsGustsByItself) {
    StartLevel();
    Env().RainOn(0.5f);
    Env().gust_clock = 0.25f;
    Env().Update(0.1f);
    Env().Update(0.1f);
    EXPECT_EQ(0.0f, Env().gust_peak);
    Env().Update(0.1f);
    EXPECT_FLOAT_EQ(2.5f, Env().gust_peak);
}

TEST_F(EnvironmentEffectsTest, TheFogFollowsTheKidEvenWhenItIsDry) {
    StartLevel();
    Env().RainOff();
    kid.position = {-7.0f, 1.0f, 12.0f};
    Env().Update(0.1f);
    EXPECT_EQ(kid.position, Env().Fog()->position);
    EXPECT_TRUE(Env().drop_points.empty());
}

TEST_F(EnvironmentEffectsTest, WeatherSwitchesTurnFogAndRainOnAndOff) {
    StartLevel();
    Env().FogOn(0.4f);
    EXPECT_TRUE(Env().Fog()->enabled);
    EXPECT_EQ(0.4f, Env().Fog()->density);
    Env().FogOff();
    EXPECT_FALSE(Env().Fog()->enabled);
    EXPECT_EQ(0.4f, Env().Fog()->density);

    Env().RainOn(1.0f);
    Env().Update(0.1f);
    Env().drop_carry = 0.5f;
    Env().gust_peak = 3.0f;
    Env().RainOn(0.2f);
    EXPECT_EQ(0.2f, Env().rain_intensity);
    EXPECT_EQ(0.5f, Env().drop_carry) << "already raining: only the intensity changes";
    EXPECT_EQ(3.0f, Env().gust_peak);

    Env().RainOff();
    EXPECT_FALSE(Env().raining);
    EXPECT_EQ(0.0f, Env().drop_carry);
    EXPECT_EQ(0.0f, Env().gust_level);
    EXPECT_EQ(0.0f, Env().gust_peak);
    EXPECT_EQ(0.0f, Env().gust_time);
    for (int frame = 0; frame < 20; ++frame) {
        Env().Update(0.1f);
        EXPECT_TRUE(Env().drop_points.empty());
    }

    Env().drop_carry = 0.7f;
    Env().gust_level = 2.0f;
    Env().RainOn(0.3f);
    EXPECT_TRUE(Env().raining);
    EXPECT_EQ(0.3f, Env().rain_intensity);
    EXPECT_EQ(0.0f, Env().drop_carry);
    EXPECT_EQ(0.0f, Env().gust_level);
    Env().Update(0.1f);
    EXPECT_FALSE(Env().drop_points.empty());
}

TEST_F(EnvironmentEffectsTest, AnUnusableIntensityIsLoggedOnceAndTakenAsZero) {
    StartLevel();
    for (int frame = 0; frame < 3; ++frame) {
        Env().RainOn(std::numeric_limits<float>::quiet_NaN());
        Env().FogOn(-2.0f);
    }
    EXPECT_EQ(0.0f, Env().rain_intensity);
    EXPECT_EQ(0.0f, Env().Fog()->density);
    const std::string log = LogText();
    EXPECT_NE(std::string::npos, log.find("Error: rain intensity nan is not a usable amount; using 0"));
    EXPECT_EQ(log.find("Error:"), log.rfind("Error:")) << log;
}

TEST_F(EnvironmentEffectsTest, WithoutAnEntityToFollowTheWeatherStaysAroundTheOrigin) {
    Manager().Start();
    Env().Reset(nullptr);
    Env().RainOn(1.0f);
    Env().Update(0.1f);
    EXPECT_EQ(Vector3{}, Env().Fog()->position);
    for (const Game::DropPoint& p : Env().drop_points) {
        EXPECT_LE(std::fabs(p.x), 6.01f);
        EXPECT_LE(std::fabs(p.z), 6.01f);
    }
    EXPECT_NE(std::string::npos, LogText().find("Error: the weather has no entity to follow"));
}

TEST_F(EnvironmentEffectsTest, AfterTheManagerIsClearedTheWeatherLeavesTheOldEmittersAlone) {
    StartLevel();
    Manager().Clear();
    EXPECT_EQ(nullptr, Env().Fog());
    EXPECT_EQ(nullptr, Env().Rain());
    EXPECT_EQ(nullptr, Env().Splatter());
    Env().RainOn(1.0f);
    Env().FogOn(1.0f);
    Env().FogOff();
    Env().Update(0.1f);
    EXPECT_EQ(50u, Env().drop_points.size());
}

TEST_F(EnvironmentEffectsTest, AFrameOfRainReachesTheRainAndSplashSystems) {
    StartLevel();
    kid.position = {0.0f, 0.0f, 0.0f};
    Env().RainOn(1.0f);
    Env().FogOn(1.0f);
    Env().Update(0.1f);
    Manager().Update(0.1f);
    const auto& systems = Manager().Systems();
    EXPECT_EQ(5, LiveCount(*systems[0])) << "fog: fifty banks a second per unit of density";
    EXPECT_EQ(50, LiveCount(*systems[1]));
    EXPECT_EQ(25, LiveCount(*systems[2]));
}

}  // namespace
