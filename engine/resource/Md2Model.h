#pragma once
// Md2Model: one parsed MD2 model file (the public Quake II keyframe format).
//
// The file is a 68-byte header of seventeen little-endian 32-bit integers
// followed by sections the header locates by offset and count: skin names
// (64 bytes each), texture coordinates (two 16-bit s, t), triangles (three
// vertex and three texture-coordinate indices, 16-bit unsigned) and frames
// (scale, translate, a 16-byte name, then four bytes per vertex: x, y, z and
// an index into the format's normal table).
//
// Files come from disk and may be damaged or hostile, so Parse trusts
// nothing: the magic "IDP2" and version 8, every count and every offset
// against the file size, and every vertex, texture-coordinate and normal
// index against its table. A file failing any check is refused whole with one
// "Error: " log line naming the file and the reason; nothing is ever read
// outside the bytes given.
//
// Frames named alike form the named animations: a frame's animation name is
// its name cut before the first decimal digit ("run12" is "run"). The first
// frame of a name opens its range as (i, i + 1); every later frame of the
// same name moves last to its index. A file of one frame has no animations.
//
// The mesh manager keeps parsed files in a cache so that several meshes can
// share one file, and frees them once every mesh is built (FreeData).

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/core/Vector3.h"
#include "engine/resource/AnimationTable.h"

namespace Engine {

struct Md2TexCoord {
    int16_t s = 0;
    int16_t t = 0;
};

struct Md2Triangle {
    std::array<uint16_t, 3> vertex{};
    std::array<uint16_t, 3> texCoord{};
};

struct Md2Vertex {
    uint8_t x = 0;
    uint8_t y = 0;
    uint8_t z = 0;
    uint8_t normal = 0;
};

struct Md2Frame {
    Vector3 scale;
    Vector3 translate;
    std::string name;
    std::vector<Md2Vertex> vertices;
};

class Md2Model {
public:
    static constexpr uint32_t kHeaderSize = 68;
    static constexpr int32_t kVersion = 8;
    static constexpr uint32_t kSkinSize = 64;
    static constexpr uint32_t kTexCoordSize = 4;
    static constexpr uint32_t kTriangleSize = 12;
    static constexpr uint32_t kFrameHeaderSize = 40;
    static constexpr uint32_t kVertexSize = 4;

    // Parses a whole file held in memory; false, with a log line naming label
    // and the reason, for a file that fails a check. A refused file leaves
    // the model empty.
    bool Parse(const uint8_t* data, std::size_t size, const std::string& label);
    // Reads and parses the file at path; false, logged, when it cannot be read or is refused.
    bool LoadFile(const std::string& path);
    // Drops the frame and triangle arrays; counts, texture coordinates and animations stay.
    void FreeData();

    int32_t SkinWidth() const { return skinWidth; }
    int32_t SkinHeight() const { return skinHeight; }
    uint32_t VertexCount() const { return vertexCount; }
    uint32_t FrameCount() const { return frameCount; }
    uint32_t TriangleCount() const { return triangleCount; }
    const std::vector<std::array<char, kSkinSize>>& Skins() const { return skins; }
    const std::vector<Md2TexCoord>& TexCoords() const { return texCoords; }
    const std::vector<Md2Triangle>& Triangles() const { return triangles; }
    const std::vector<Md2Frame>& Frames() const { return frames; }
    const AnimationTable& Animations() const { return animations; }

    // The animation name of a frame name: the name cut before its first decimal digit.
    static std::string AnimationName(const std::string& frame_name);

private:
    struct Header;

    bool Refuse(const std::string& label, const std::string& reason);
    bool CheckHeader(const Header& header, std::size_t size, const std::string& label);
    bool CheckIndices(const std::string& label);
    void ReadSections(const uint8_t* data, const Header& header);
    void BuildAnimations();
    void Clear();

    int32_t skinWidth = 0;
    int32_t skinHeight = 0;
    uint32_t vertexCount = 0;
    uint32_t frameCount = 0;
    uint32_t triangleCount = 0;
    std::vector<std::array<char, kSkinSize>> skins;
    std::vector<Md2TexCoord> texCoords;
    std::vector<Md2Triangle> triangles;
    std::vector<Md2Frame> frames;
    AnimationTable animations;
};

}  // namespace Engine
