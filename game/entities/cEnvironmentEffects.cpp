#include "game/entities/cEnvironmentEffects.h"

#include <algorithm>  // std::min
#include <cmath>      // std::isfinite
#include <string>

#include "engine/core/Easing.h"
#include "engine/core/Random.h"
#include "engine/core/cLog.h"
#include "engine/particles/cEffectSystem.h"
#include "engine/particles/cParticleSystem.h"
#include "engine/platform/cKeyboardState.h"

namespace Game {

namespace {
constexpr int32_t kAdditive = Engine::cParticleSystem::kAdditiveBlend;
// Drops land within this many units of the centre, in x and z.
constexpr float kDropSpread = 8.33f;
constexpr float kDropsPerIntensity = 500.0f;
// The rain leans up to this much per unit of gust.
constexpr float kTiltPerGust = 0.03333f * 1.570796f;
}  // namespace

cEnvironmentEffects::cEnvironmentEffects()
    : fog("Effect_Fog", Engine::cEffectSystem::kKind, 300, kAdditive),
      rain("Effect_Rain", Engine::cParticleSystem::kKind, 500, kAdditive),
      splatter("Effect_Splatter", Engine::cEffectSystem::kKind, 1000, kAdditive) {}

void cEnvironmentEffects::Reset(const Engine::cEntity* followed) {
    ResetFog();
    ResetRain();
    drop_points.clear();
    drop_carry = 0.0f;
    ClearGust();
    raining = true;
    rain_intensity = 0.0f;
    wind_dir = {0.0f, 0.0f, -1.0f};
    bad_intensity_logged = false;
    kid = followed;
    if (kid == nullptr) Engine::LogError("the weather has no entity to follow; it stays around the origin");
}

void cEnvironmentEffects::ResetFog() {
    cEnvEmitterFog* fog_emitter = fog.Fill<cEnvEmitterFog>();
    if (fog_emitter == nullptr) return;
    fog.System()->alpha_curve = Engine::EaseCosinePulse;
    fog_emitter->position = {};
    fog_emitter->density = 0.0f;
    fog_emitter->carry = 0.0f;
    fog_emitter->enabled = true;
}

void cEnvironmentEffects::ResetRain() {
    if (cEnvEmitterRain* rain_emitter = rain.Fill<cEnvEmitterRain>()) {
        rain_emitter->wind = {};
        rain_emitter->tilt = 0.0f;
        rain_emitter->drop_points = &drop_points;
    }
    if (cEnvEmitterSplatter* splatter_emitter = splatter.Fill<cEnvEmitterSplatter>()) {
        Engine::cParticleSystem* system = splatter.System();
        system->life_curve = Engine::EaseLinearClamped;
        system->size_curve = Engine::EaseQuadOut;
        splatter_emitter->drop_points = &drop_points;
    }
}

Engine::Vector3 cEnvironmentEffects::Centre() const { return kid != nullptr ? kid->position : Engine::Vector3{}; }

void cEnvironmentEffects::Update(float dt) {
    const Engine::Vector3 centre = Centre();
    if (cEnvEmitterFog* fog_emitter = Fog()) fog_emitter->position = centre;
    drop_points.clear();
    if (!raining) return;
    LayDropPoints(dt, centre);
    Gust(dt);
}

void cEnvironmentEffects::LayDropPoints(float dt, const Engine::Vector3& centre) {
    drop_carry += dt + dt * rain_intensity * kDropsPerIntensity;
    for (int i = 0; i < kMaxDropsPerFrame && drop_carry >= 1.0f; ++i) {
        drop_carry -= 1.0f;
        const float x = centre.x + (static_cast<float>(Engine::rnd(100)) - 50.0f) / kDropSpread;
        const float z = centre.z + (static_cast<float>(Engine::rnd(100)) - 50.0f) / kDropSpread;
        drop_points.push_back({x, z});
    }
}

void cEnvironmentEffects::Gust(float dt) {
    gust_clock -= dt;
    const bool asked = Engine::cKeyboardState::Instance().WasPressed(kGustKey);
    if (asked || gust_clock <= 0.0f) {
        gust_level = rain_intensity * 5.0f + gust_level;
        gust_peak = gust_level;
        gust_time = 0.0f;
        gust_clock = 1.0f + static_cast<float>(Engine::rnd(100)) * 0.01f;
    }
    gust_level = gust_peak - Engine::EaseBackInOut(gust_time, 0.0f, gust_peak, kGustDuration);
    if (cEnvEmitterRain* rain_emitter = Rain()) {
        rain_emitter->wind = {gust_level * wind_dir.x, gust_level * wind_dir.z};
        rain_emitter->tilt = gust_level * kTiltPerGust;
    }
    gust_time = std::min(gust_time + dt, kGustDuration);
}

void cEnvironmentEffects::ClearGust() {
    gust_level = 0.0f;
    gust_peak = 0.0f;
    gust_time = 0.0f;
}

void cEnvironmentEffects::FogOff() {
    if (cEnvEmitterFog* fog_emitter = Fog()) fog_emitter->enabled = false;
}

void cEnvironmentEffects::FogOn(float intensity) {
    cEnvEmitterFog* fog_emitter = Fog();
    if (fog_emitter == nullptr) return;
    fog_emitter->enabled = true;
    fog_emitter->density = CheckedIntensity(intensity, "fog density");
}

void cEnvironmentEffects::RainOff() {
    raining = false;
    drop_carry = 0.0f;
    ClearGust();
}

void cEnvironmentEffects::RainOn(float intensity) {
    if (!raining) {
        raining = true;
        drop_carry = 0.0f;
        ClearGust();
    }
    rain_intensity = CheckedIntensity(intensity, "rain intensity");
}

float cEnvironmentEffects::CheckedIntensity(float intensity, const char* what) {
    if (std::isfinite(intensity) && intensity >= 0.0f) return intensity;
    // A trigger repeats its action every frame the kid stands in it: one line a level.
    if (!bad_intensity_logged)
        Engine::LogError(std::string(what) + " " + std::to_string(intensity) + " is not a usable amount; using 0");
    bad_intensity_logged = true;
    return 0.0f;
}

}  // namespace Game
