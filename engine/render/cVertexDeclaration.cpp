#include "engine/render/cVertexDeclaration.h"

#include <cassert>

#include "engine/core/cLog.h"
#include "engine/render/eDeclType.h"

namespace Engine {

void cVertexDeclaration::AddElement(int32_t usage, int32_t type, int32_t usage_index) {
    elements.push_back({usage, type, usage_index});
    stride = 0;
    for (const VertexElement& element : elements) stride += DeclTypeSize(element.type);
}

uint32_t cVertexDeclaration::GetElementIndexByUsage(int32_t usage, int32_t usage_index) const {
    if (const std::optional<uint32_t> found = FindElement(usage, usage_index)) return *found;
    LogEngine("VertexDeclaration::GetElementIndexByUsage(), usage and usage index do not exist");
    return static_cast<uint32_t>(elements.size());
}

std::optional<uint32_t> cVertexDeclaration::FindElement(int32_t usage, int32_t usage_index) const {
    for (uint32_t i = 0; i < elements.size(); ++i) {
        if (elements[i].usage == usage && elements[i].usage_index == usage_index) return i;
    }
    return std::nullopt;
}

uint32_t cVertexDeclaration::ElementOffset(uint32_t position) const {
    assert(position <= elements.size() && "element position must be at most the element count");
    uint32_t offset = 0;
    for (uint32_t i = 0; i < position; ++i) offset += DeclTypeSize(elements[i].type);
    return offset;
}

uint32_t cVertexDeclaration::ElementSize(uint32_t position) const {
    assert(position < elements.size() && "element position must be below the element count");
    return DeclTypeSize(elements[position].type);
}

void cVertexDeclaration::Reset() {
    elements.clear();
    stride = 0;
}

}  // namespace Engine
