#pragma once
// How a vertex declaration feeds the vertex attributes of OpenGL programs.
// Each element usage and usage index has a fixed attribute location, so that
// every program (the built-in one and the game's shaders) reads the same
// data from the same place:
//   position 0 -> 0, normal 0 -> 1, colour 0 -> 2, blend indices 0 -> 3,
//   texture coordinates 0..3 -> 4..7, position 1 -> 8, normal 1 -> 9,
//   colour 1 -> 10, texture coordinates 4..7 -> 11..14.
// Packed colours are read as four channels in 0..1 in red, green, blue,
// alpha order; four unsigned bytes as four values 0..255.

#include <cstdint>

namespace Engine {

class cVertexDeclaration;

// Attribute locations available to declarations.
constexpr uint32_t kVertexAttributeLocations = 16;

// The attribute location of an element, or -1 when no location carries it.
int32_t AttributeLocation(int32_t usage, int32_t usage_index);

// Points the attributes at the buffer bound to GL_ARRAY_BUFFER, laid out by
// the declaration; enabled is the mask of enabled attribute arrays, updated.
// Returns false when an element has no location or type and is not fed.
bool ApplyVertexLayout(const cVertexDeclaration& declaration, uint32_t& enabled);

// Disables every enabled attribute array.
void DisableVertexLayout(uint32_t& enabled);

}  // namespace Engine
