#include "engine/render/gl/GLStateMapping.h"

#include "engine/render/eBlendFactor.h"
#include "engine/render/eBlendOp.h"
#include "engine/render/ePrimitiveType.h"

namespace Engine {

GLenum GLPrimitiveMode(int32_t primitive_type) {
    switch (primitive_type) {
        case PT_TriangleList: return GL_TRIANGLES;
        case PT_TriangleStrip: return GL_TRIANGLE_STRIP;
        case PT_TriangleFan: return GL_TRIANGLE_FAN;
        case PT_LineList: return GL_LINES;
        case PT_LineStrip: return GL_LINE_STRIP;
        default: return GL_POINTS;
    }
}

GLenum GLBlendFactor(int32_t factor) {
    switch (factor) {
        case BLEND_Zero: return GL_ZERO;
        case BLEND_SourceColour: return GL_SRC_COLOR;
        case BLEND_InverseSourceColour: return GL_ONE_MINUS_SRC_COLOR;
        case BLEND_SourceAlpha: return GL_SRC_ALPHA;
        case BLEND_InverseSourceAlpha: return GL_ONE_MINUS_SRC_ALPHA;
        case BLEND_DestAlpha: return GL_DST_ALPHA;
        case BLEND_InverseDestAlpha: return GL_ONE_MINUS_DST_ALPHA;
        case BLEND_DestColour: return GL_DST_COLOR;
        case BLEND_InverseDestColour: return GL_ONE_MINUS_DST_COLOR;
        case BLEND_SourceAlphaSaturate: return GL_SRC_ALPHA_SATURATE;
        case BLEND_BlendFactor: return GL_CONSTANT_COLOR;
        case BLEND_InverseBlendFactor: return GL_ONE_MINUS_CONSTANT_COLOR;
        default: return GL_ONE;
    }
}

GLenum GLBlendEquation(int32_t operation) {
    switch (operation) {
        case BLENDOP_Subtract: return GL_FUNC_SUBTRACT;
        case BLENDOP_ReverseSubtract: return GL_FUNC_REVERSE_SUBTRACT;
        case BLENDOP_Min: return GL_MIN;
        case BLENDOP_Max: return GL_MAX;
        default: return GL_FUNC_ADD;
    }
}

GLenum GLPolygonMode(int32_t fill_mode) {
    switch (fill_mode) {
        case 0: return GL_POINT;
        case 1: return GL_LINE;
        default: return GL_FILL;
    }
}

}  // namespace Engine
