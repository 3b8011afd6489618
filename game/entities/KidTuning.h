#pragma once
// KidTuning: the numbers a designer sets for the kid, its spotlight and the
// challenge waves, read once at set-up from "Kid.xml" and "KidLight.xml".
//
// Every value has a default here, so a file that is missing or lacks an
// attribute still gives a playable kid; the reader logs a file it cannot use
// (cTuningFile) and keeps the defaults for all of that file's values. A value
// that cannot make sense (health of 0 or less, a negative speed, waves less
// than 0.05 s apart, a cone beyond 179 degrees, not a number) is logged and
// takes its default.

#include "engine/core/ColorRGBA.h"
#include "engine/core/Vector3.h"

namespace Game {

struct KidTuning {
    float mid_speed = 1.0f;  // walking speed, units per second
    float health = 1.0f;     // damage the kid can take
    // Kept with the kid for designers; the walk uses mid_speed only.
    float low_speed = 1.0f;
    float high_speed = 1.0f;
    float acceleration = 1.0f;
    float radius_factor = 1.0f;
    float stun_duration = 2.0f;
    // Challenge waves.
    float base_rate_of_spawn = 2.0f;      // seconds between waves at the start
    float rate_of_spawn_increment = 0.5f;  // each wave comes this much sooner
    float min_rate_of_spawn = 0.6f;        // but never sooner than this
    float base_number_per_spawn = 1.0f;
    float number_per_spawn_increment = 1.0f;
    float max_number_per_spawn = 6.0f;
};

struct KidLightTuning {
    Engine::ColorRGBA ambient{0.0f, 0.0f, 0.0f, 1.0f};
    Engine::ColorRGBA diffuse{1.0f, 1.0f, 1.0f, 1.0f};
    Engine::ColorRGBA specular{0.0f, 0.0f, 0.0f, 1.0f};
    Engine::Vector3 position{0.0f, 10.0f, 0.0f};
    Engine::Vector3 direction{0.0f, -1.0f, 0.0f};
    float range = 100.0f;
    float falloff = 1.0f;
    float constant_attenuation = 1.0f;
    float linear_attenuation = 0.0f;
    float quadratic_attenuation = 0.0f;
    float inner_cone_degrees = 30.0f;
    float outer_cone_degrees = 45.0f;
    Engine::Vector3 challenge_colour{1.0f, 0.3f, 0.3f};
    Engine::Vector3 chaser_colour{0.6f, 0.3f, 1.0f};
};

// "Kid.xml" in directory, element "Kid".
KidTuning ReadKidTuning(const char* directory = "./GameData/XML_Game/");
// "KidLight.xml" in directory, element "KidLight".
KidLightTuning ReadKidLightTuning(const char* directory = "./GameData/XML_Game/");

}  // namespace Game
