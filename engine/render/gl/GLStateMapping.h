#pragma once
// The OpenGL values of the engine's device numbers: primitive types, blend
// factors, blend operations and fill modes. Every function takes a number
// its render state has already accepted; anything else maps to a harmless
// default (the first primitive type, one, add, solid).

#include <epoxy/gl.h>  // GLenum

#include <cstdint>

namespace Engine {

// GL_POINTS ... GL_LINE_STRIP for an ePrimitiveType.
GLenum GLPrimitiveMode(int32_t primitive_type);
// The GL blend factor of an eBlendFactor.
GLenum GLBlendFactor(int32_t factor);
// The GL blend equation of an eBlendOp.
GLenum GLBlendEquation(int32_t operation);
// GL_POINT, GL_LINE or GL_FILL for a fill mode 0, 1 or 2.
GLenum GLPolygonMode(int32_t fill_mode);

}  // namespace Engine
