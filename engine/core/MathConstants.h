#pragma once
// MathConstants: the angle constants every part of the engine and the game
// shares. Level files, cameras and entity set-up speak degrees; lights and
// particles speak radians. All conversions go through these exact factors so
// that an angle converted anywhere gives the same float everywhere.

namespace Engine {

constexpr float kDegToRad = 0.017453292f;
constexpr float kRadToDeg = 57.295776f;
constexpr float kPi = 3.14159265f;

// Degrees to radians with the shared factor.
constexpr float DegToRad(float degrees) { return degrees * kDegToRad; }

// Radians to degrees with the shared factor.
constexpr float RadToDeg(float radians) { return radians * kRadToDeg; }

}  // namespace Engine
