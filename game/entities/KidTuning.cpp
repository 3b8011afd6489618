#include "game/entities/KidTuning.h"

#include <cmath>
#include <string>

#include "engine/core/cLog.h"
#include "game/data/cTuningFile.h"

namespace Game {

namespace {

Engine::ColorRGBA ReadColour(const cTuningFile& file, const char* prefix, const Engine::ColorRGBA& fallback) {
    const std::string p(prefix);
    return {file.Float((p + "R").c_str(), fallback.r), file.Float((p + "G").c_str(), fallback.g),
            file.Float((p + "B").c_str(), fallback.b), file.Float((p + "A").c_str(), fallback.a)};
}

Engine::Vector3 ReadVector(const cTuningFile& file, const char* x, const char* y, const char* z,
                           const Engine::Vector3& fallback) {
    return {file.Float(x, fallback.x), file.Float(y, fallback.y), file.Float(z, fallback.z)};
}

// A value that must lie within [low, high] to make sense: anything else (or
// not a number) is logged and replaced by the default.
float Checked(const char* file, const char* attribute, float value, float low, float high, float fallback) {
    if (std::isfinite(value) && value >= low && value <= high) return value;
    Engine::LogError(std::string(file) + ": " + attribute + " of " + std::to_string(value) + " is out of range; using " +
                     std::to_string(fallback));
    return fallback;
}

constexpr float kHuge = 1.0e6f;
// Waves closer than this would pour enemies out every frame.
constexpr float kShortestWaveGap = 0.05f;

}  // namespace

KidTuning ReadKidTuning(const char* directory) {
    KidTuning t;
    const cTuningFile file("Kid", directory);
    if (!file.IsOpen()) return t;
    t.mid_speed = file.Float("MidSpeed", t.mid_speed);
    t.health = file.Float("Health", t.health);
    t.low_speed = file.Float("LowSpeed", t.low_speed);
    t.high_speed = file.Float("HighSpeed", t.high_speed);
    t.acceleration = file.Float("Acceleration", t.acceleration);
    t.radius_factor = file.Float("RadiusFactor", t.radius_factor);
    t.stun_duration = file.Float("StunDuration", t.stun_duration);
    t.base_rate_of_spawn = file.Float("BaseRateOfSpawn", t.base_rate_of_spawn);
    t.rate_of_spawn_increment = file.Float("RateOfSpawnIncrement", t.rate_of_spawn_increment);
    t.min_rate_of_spawn = file.Float("MinRateOfSpawn", t.min_rate_of_spawn);
    t.base_number_per_spawn = file.Float("BaseNumberPerSpawn", t.base_number_per_spawn);
    t.number_per_spawn_increment = file.Float("NumberPerSpawnIncrement", t.number_per_spawn_increment);
    t.max_number_per_spawn = file.Float("MaxNumberPerSpawn", t.max_number_per_spawn);
    const KidTuning d;
    t.mid_speed = Checked("Kid.xml", "MidSpeed", t.mid_speed, 0.0f, kHuge, d.mid_speed);
    t.health = Checked("Kid.xml", "Health", t.health, 1.0e-6f, kHuge, d.health);
    t.base_rate_of_spawn = Checked("Kid.xml", "BaseRateOfSpawn", t.base_rate_of_spawn, kShortestWaveGap, kHuge,
                                   d.base_rate_of_spawn);
    t.min_rate_of_spawn = Checked("Kid.xml", "MinRateOfSpawn", t.min_rate_of_spawn, kShortestWaveGap, kHuge,
                                  d.min_rate_of_spawn);
    return t;
}

KidLightTuning ReadKidLightTuning(const char* directory) {
    KidLightTuning t;
    const cTuningFile file("KidLight", directory);
    if (!file.IsOpen()) return t;
    t.ambient = ReadColour(file, "Ambient", t.ambient);
    t.diffuse = ReadColour(file, "Diffuse", t.diffuse);
    t.specular = ReadColour(file, "Specular", t.specular);
    t.position = ReadVector(file, "PositionX", "PositionY", "PositionZ", t.position);
    t.direction = ReadVector(file, "DirectionX", "DirectionY", "DirectionZ", t.direction);
    t.range = file.Float("Range", t.range);
    t.falloff = file.Float("FallOff", t.falloff);
    t.constant_attenuation = file.Float("ConstantAttenuation", t.constant_attenuation);
    t.linear_attenuation = file.Float("LinearAttenuation", t.linear_attenuation);
    t.quadratic_attenuation = file.Float("QuadraticAttenuation", t.quadratic_attenuation);
    t.inner_cone_degrees = file.Float("InnerConeAngle", t.inner_cone_degrees);
    t.outer_cone_degrees = file.Float("OuterConeAngle", t.outer_cone_degrees);
    t.challenge_colour = ReadVector(file, "ChallengeLightR", "ChallengeLightG", "ChallengeLightB", t.challenge_colour);
    t.chaser_colour = ReadVector(file, "ChaserLightR", "ChaserLightG", "ChaserLightB", t.chaser_colour);
    const KidLightTuning d;
    t.inner_cone_degrees =
        Checked("KidLight.xml", "InnerConeAngle", t.inner_cone_degrees, 0.0f, 179.0f, d.inner_cone_degrees);
    t.outer_cone_degrees =
        Checked("KidLight.xml", "OuterConeAngle", t.outer_cone_degrees, 0.0f, 179.0f, d.outer_cone_degrees);
    return t;
}

}  // namespace Game
