#pragma once
// cEnvironmentEffects: the weather of a level: fog around the kid, rain that
// falls near it and splashes on the ground, and gusts that blow the rain.
//
// Reset (as the gameplay state enters, after the particle manager has been
// started) makes the three systems "Effect_Fog" (ground-lying, 300, additive,
// fading in and out with the cosine pulse), "Effect_Rain" (camera-facing,
// 500, additive) and "Effect_Splatter" (ground-lying, 1000, additive, a
// clamped life and splashes that grow fast then slow), each with its
// emitter, and starts every level with a fog that is on but has no density,
// and rain of intensity 0: about one drop a second.
//
// Update (once per gameplay step, before the particle systems update) moves
// the fog to the followed entity and, while it rains, lays this frame's drop
// points within 6 units of it (one a second plus 500 a second per unit of
// intensity, at most 250 a frame; the rain and the splashes read them in the
// same frame) and drives the gusts: every one to two seconds, or at once when
// F10 is pressed, a gust adds five times the intensity to the wind, which
// dies away with the back ease in-out over two seconds, leaning the drops.
//
// The weather triggers use FogOn/FogOff/RainOn/RainOff; an intensity that is
// not a number or below 0 is taken as 0 and logged (once a level).
//
// The followed entity (the level manager's kid in play) is given to Reset;
// without one the weather stays around the origin, which is logged. The
// emitters belong to their systems: when the particle manager is cleared
// they are gone, and Update and the switches leave them alone until the next
// Reset makes new ones.

#include <vector>

#include "engine/core/Singleton.h"
#include "engine/core/Vector3.h"
#include "engine/entity/cEntity.h"
#include "engine/platform/VirtualKeys.h"
#include "game/entities/DropPoint.h"
#include "game/entities/cEffectSlot.h"
#include "game/entities/cEnvEmitterFog.h"
#include "game/entities/cEnvEmitterRain.h"
#include "game/entities/cEnvEmitterSplatter.h"

namespace Game {

class cEnvironmentEffects : public Engine::Singleton<cEnvironmentEffects> {
    friend class Engine::Singleton<cEnvironmentEffects>;

public:
    static constexpr int kGustKey = Engine::kVK_F10;
    static constexpr int kMaxDropsPerFrame = 250;
    static constexpr float kGustDuration = 2.0f;

    // Makes or reuses the three systems and emitters and starts the level's
    // weather around followed (may be null).
    void Reset(const Engine::cEntity* followed);
    // One gameplay step of fog, drops and gusts.
    void Update(float dt);

    // Fog switched off; its density stays.
    void FogOff();
    // Fog switched on at density intensity.
    void FogOn(float intensity);
    // Rain stopped; the drop carry and the gust are cleared.
    void RainOff();
    // Rain started (clearing the carry and gust when it was not raining) at intensity.
    void RainOn(float intensity);

    // The emitters while their systems hold them, or null.
    cEnvEmitterFog* Fog() const { return static_cast<cEnvEmitterFog*>(fog.Get()); }
    cEnvEmitterRain* Rain() const { return static_cast<cEnvEmitterRain*>(rain.Get()); }
    cEnvEmitterSplatter* Splatter() const { return static_cast<cEnvEmitterSplatter*>(splatter.Get()); }

    float rain_intensity = 0.0f;
    bool raining = false;
    float drop_carry = 0.0f;
    std::vector<DropPoint> drop_points;
    Engine::Vector3 wind_dir{0.0f, 0.0f, -1.0f};
    float gust_level = 0.0f;
    float gust_peak = 0.0f;
    float gust_time = 0.0f;
    const Engine::cEntity* kid = nullptr;
    // Seconds to the next gust; runs across levels.
    float gust_clock = 0.0f;

private:
    cEnvironmentEffects();

    // Where the weather is centred: the followed entity, or the origin.
    Engine::Vector3 Centre() const;
    void LayDropPoints(float dt, const Engine::Vector3& centre);
    void Gust(float dt);
    void ClearGust();
    void ResetFog();
    void ResetRain();
    // intensity, or 0 (logged once a level) when it is not a number or below 0.
    float CheckedIntensity(float intensity, const char* what);

    cEffectSlot fog;
    cEffectSlot rain;
    cEffectSlot splatter;
    bool bad_intensity_logged = false;
};

}  // namespace Game
