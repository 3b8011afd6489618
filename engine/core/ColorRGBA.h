#pragma once
// ColorRGBA: a colour as four 32-bit floats, red, green, blue and alpha, each
// meant to lie in 0..1. Opaque black by default, since a colour nobody set
// should still be visible rather than fully transparent.

namespace Engine {

struct ColorRGBA {
    float r = 0, g = 0, b = 0, a = 1;

    // Opaque black.
    constexpr ColorRGBA() = default;
    // A colour from its channels; alpha defaults to opaque.
    constexpr ColorRGBA(float r_, float g_, float b_, float a_ = 1) : r(r_), g(g_), b(b_), a(a_) {}
};

// Exact equality of all four channels.
constexpr bool operator==(const ColorRGBA& p, const ColorRGBA& q) {
    return p.r == q.r && p.g == q.g && p.b == q.b && p.a == q.a;
}
// Any channel differs.
constexpr bool operator!=(const ColorRGBA& p, const ColorRGBA& q) { return !(p == q); }

}  // namespace Engine
