#pragma once
// cVertexDeclaration: the layout of one vertex, as a list of elements in
// order. Each element is a usage (eDeclUsage), a type (eDeclType) and a usage
// index (texture coordinate 0, 1, ...); elements follow one another without
// gaps, so an element's byte offset is the sum of the sizes before it and the
// stride is the sum of them all.
//
// Declarations are pooled by the hardware buffer manager: a user takes one,
// fills it with AddElement and hands it to CreateVertexBuffer, after which
// the vertex buffer owns it and gives it back to the pool when released.

#include <cstdint>
#include <optional>
#include <vector>

namespace Engine {

struct VertexElement {
    int32_t usage = 0;
    int32_t type = 0;
    int32_t usage_index = 0;
};

class cVertexDeclaration {
public:
    virtual ~cVertexDeclaration() = default;

    // Appends an element and recomputes the stride.
    void AddElement(int32_t usage, int32_t type, int32_t usage_index);
    // The position of the first element with that usage and index; when there
    // is none, logs it and returns the element count (one past the last), so
    // callers must check the result before using it as an index.
    uint32_t GetElementIndexByUsage(int32_t usage, int32_t usage_index) const;
    // The same search without a log line: nothing when there is no such element.
    std::optional<uint32_t> FindElement(int32_t usage, int32_t usage_index) const;
    // Byte offset of the element at a position inside the vertex.
    uint32_t ElementOffset(uint32_t position) const;
    // Bytes of the element at a position.
    uint32_t ElementSize(uint32_t position) const;

    // Empties the declaration for its next user.
    void Reset();

    const std::vector<VertexElement>& Elements() const { return elements; }
    uint32_t Stride() const { return stride; }

private:
    std::vector<VertexElement> elements;
    uint32_t stride = 0;
};

}  // namespace Engine
