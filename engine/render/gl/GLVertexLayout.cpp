#include "engine/render/gl/GLVertexLayout.h"

#include <epoxy/gl.h>

#include "engine/render/cVertexDeclaration.h"
#include "engine/render/eDeclType.h"
#include "engine/render/eDeclUsage.h"

namespace Engine {

namespace {

struct AttributeFormat {
    GLint size = 0;
    GLenum type = GL_FLOAT;
    GLboolean normalised = GL_FALSE;
};

AttributeFormat FormatOf(int32_t type) {
    switch (type) {
        case DT_Float1: return {1, GL_FLOAT, GL_FALSE};
        case DT_Float2: return {2, GL_FLOAT, GL_FALSE};
        case DT_Float3: return {3, GL_FLOAT, GL_FALSE};
        case DT_Float4: return {4, GL_FLOAT, GL_FALSE};
        case DT_UByte4: return {4, GL_UNSIGNED_BYTE, GL_FALSE};
        // 0xAARRGGBB in memory is B, G, R, A: GL_BGRA puts the channels in order.
        case DT_PackedColour: return {GL_BGRA, GL_UNSIGNED_BYTE, GL_TRUE};
        default: return {};
    }
}

}  // namespace

int32_t AttributeLocation(int32_t usage, int32_t usage_index) {
    switch (usage) {
        case DU_Position: return usage_index == 0 ? 0 : usage_index == 1 ? 8 : -1;
        case DU_Normal: return usage_index == 0 ? 1 : usage_index == 1 ? 9 : -1;
        case DU_Colour: return usage_index == 0 ? 2 : usage_index == 1 ? 10 : -1;
        case DU_BlendIndices: return usage_index == 0 ? 3 : -1;
        case DU_TexCoord:
            if (usage_index >= 0 && usage_index < 4) return 4 + usage_index;
            if (usage_index >= 4 && usage_index < 8) return 7 + usage_index;
            return -1;
        default: return -1;
    }
}

bool ApplyVertexLayout(const cVertexDeclaration& declaration, uint32_t& enabled) {
    bool complete = true;
    uint32_t wanted = 0;
    const std::vector<VertexElement>& elements = declaration.Elements();
    for (uint32_t i = 0; i < elements.size(); ++i) {
        const int32_t location = AttributeLocation(elements[i].usage, elements[i].usage_index);
        const AttributeFormat format = FormatOf(elements[i].type);
        if (location < 0 || format.size == 0) {
            complete = false;
            continue;
        }
        const auto offset = static_cast<std::uintptr_t>(declaration.ElementOffset(i));
        glVertexAttribPointer(static_cast<GLuint>(location), format.size, format.type, format.normalised,
                              static_cast<GLsizei>(declaration.Stride()), reinterpret_cast<const void*>(offset));
        wanted |= 1u << location;
    }
    for (uint32_t location = 0; location < kVertexAttributeLocations; ++location) {
        const uint32_t bit = 1u << location;
        if ((wanted & bit) && !(enabled & bit)) glEnableVertexAttribArray(location);
        if (!(wanted & bit) && (enabled & bit)) glDisableVertexAttribArray(location);
    }
    enabled = wanted;
    return complete;
}

void DisableVertexLayout(uint32_t& enabled) {
    for (uint32_t location = 0; location < kVertexAttributeLocations; ++location) {
        if (enabled & (1u << location)) glDisableVertexAttribArray(location);
    }
    enabled = 0;
}

}  // namespace Engine
