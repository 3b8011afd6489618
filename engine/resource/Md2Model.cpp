#include "engine/resource/Md2Model.h"

#include <cstring>  // std::memcpy of skin names
#include <filesystem>  // only regular files are read
#include <fstream>  // std::ifstream reads the file
#include <iterator>

#include "engine/core/cLog.h"
#include "engine/resource/Md2Normals.h"

namespace Engine {
namespace {

constexpr uint32_t kMagic = 0x32504449;  // "IDP2" read as a little-endian integer
constexpr uint32_t kFrameNameSize = 16;

uint32_t ReadU32(const uint8_t* bytes) {
    return uint32_t(bytes[0]) | uint32_t(bytes[1]) << 8 | uint32_t(bytes[2]) << 16 | uint32_t(bytes[3]) << 24;
}

uint16_t ReadU16(const uint8_t* bytes) { return uint16_t(bytes[0] | bytes[1] << 8); }

float ReadFloat(const uint8_t* bytes) {
    const uint32_t bits = ReadU32(bytes);
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

Vector3 ReadVector(const uint8_t* bytes) { return {ReadFloat(bytes), ReadFloat(bytes + 4), ReadFloat(bytes + 8)}; }

// A fixed-size name field: the bytes up to the first NUL, or all of them.
std::string ReadName(const uint8_t* bytes, uint32_t size) {
    uint32_t length = 0;
    while (length < size && bytes[length] != 0) ++length;
    return std::string(reinterpret_cast<const char*>(bytes), length);
}

}  // namespace

// The header fields in file order.
struct Md2Model::Header {
    int32_t magic, version, skinWidth, skinHeight, frameSize;
    int32_t skinCount, vertexCount, texCoordCount, triangleCount, glCommandCount, frameCount;
    int32_t skinOffset, texCoordOffset, triangleOffset, frameOffset, glCommandOffset, endOffset;

    explicit Header(const uint8_t* bytes) {
        int32_t* fields[] = {&magic,          &version,       &skinWidth,      &skinHeight,    &frameSize,
                             &skinCount,      &vertexCount,   &texCoordCount,  &triangleCount, &glCommandCount,
                             &frameCount,     &skinOffset,    &texCoordOffset, &triangleOffset, &frameOffset,
                             &glCommandOffset, &endOffset};
        for (int32_t* field : fields) {
            *field = static_cast<int32_t>(ReadU32(bytes));
            bytes += 4;
        }
    }

    uint64_t FrameBytes() const { return kFrameHeaderSize + uint64_t(kVertexSize) * uint64_t(vertexCount); }
};

bool Md2Model::Parse(const uint8_t* data, std::size_t size, const std::string& label) {
    Clear();
    if (data == nullptr || size < kHeaderSize) return Refuse(label, "it is shorter than the MD2 header");
    const Header header(data);
    if (!CheckHeader(header, size, label)) return false;
    ReadSections(data, header);
    if (!CheckIndices(label)) return false;
    BuildAnimations();
    return true;
}

bool Md2Model::LoadFile(const std::string& path) {
    // Only regular files: a catalogue naming a device or a folder must not hang or fail the read.
    std::error_code error;
    std::ifstream file;
    if (std::filesystem::is_regular_file(path, error)) file.open(path, std::ios::binary);
    if (!file.is_open()) {
        Clear();
        LogError("MD2 model " + path + " could not be opened");
        return false;
    }
    const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    return Parse(bytes.data(), bytes.size(), path);
}

void Md2Model::FreeData() {
    frames.clear();
    frames.shrink_to_fit();
    triangles.clear();
    triangles.shrink_to_fit();
}

std::string Md2Model::AnimationName(const std::string& frame_name) {
    return frame_name.substr(0, frame_name.find_first_of("0123456789"));
}

bool Md2Model::Refuse(const std::string& label, const std::string& reason) {
    Clear();
    LogError("MD2 model " + label + " refused: " + reason);
    return false;
}

bool Md2Model::CheckHeader(const Header& header, std::size_t size, const std::string& label) {
    if (uint32_t(header.magic) != kMagic) return Refuse(label, "it does not start with IDP2");
    if (header.version != kVersion) return Refuse(label, "version " + std::to_string(header.version) + " is not 8");
    if (header.skinCount < 0 || header.vertexCount < 0 || header.texCoordCount < 0 || header.triangleCount < 0 ||
        header.frameCount < 0)
        return Refuse(label, "a count is negative");
    if (header.vertexCount == 0 || header.triangleCount == 0 || header.frameCount == 0)
        return Refuse(label, "it has no vertices, triangles or frames to draw");
    if (header.skinWidth <= 0 || header.skinHeight <= 0)
        return Refuse(label, "its skin size is not positive");
    struct Section {
        const char* what;
        int32_t offset;
        uint64_t bytes;
    };
    const Section sections[] = {
        {"skins", header.skinOffset, uint64_t(header.skinCount) * kSkinSize},
        {"texture coordinates", header.texCoordOffset, uint64_t(header.texCoordCount) * kTexCoordSize},
        {"triangles", header.triangleOffset, uint64_t(header.triangleCount) * kTriangleSize},
        {"frames", header.frameOffset, uint64_t(header.frameCount) * header.FrameBytes()},
    };
    for (const Section& section : sections) {
        if (section.offset < 0 || uint64_t(section.offset) + section.bytes > size)
            return Refuse(label, std::string("its ") + section.what + " run past the end of the file");
    }
    return true;
}

void Md2Model::ReadSections(const uint8_t* data, const Header& header) {
    skinWidth = header.skinWidth;
    skinHeight = header.skinHeight;
    vertexCount = uint32_t(header.vertexCount);
    frameCount = uint32_t(header.frameCount);
    triangleCount = uint32_t(header.triangleCount);

    skins.resize(uint32_t(header.skinCount));
    for (std::size_t i = 0; i < skins.size(); ++i)
        std::memcpy(skins[i].data(), data + header.skinOffset + i * kSkinSize, kSkinSize);

    texCoords.resize(uint32_t(header.texCoordCount));
    for (std::size_t i = 0; i < texCoords.size(); ++i) {
        const uint8_t* at = data + header.texCoordOffset + i * kTexCoordSize;
        texCoords[i] = {int16_t(ReadU16(at)), int16_t(ReadU16(at + 2))};
    }

    triangles.resize(triangleCount);
    for (std::size_t i = 0; i < triangles.size(); ++i) {
        const uint8_t* at = data + header.triangleOffset + i * kTriangleSize;
        for (int corner = 0; corner < 3; ++corner) {
            triangles[i].vertex[corner] = ReadU16(at + 2 * corner);
            triangles[i].texCoord[corner] = ReadU16(at + 6 + 2 * corner);
        }
    }

    frames.resize(frameCount);
    const uint8_t* at = data + header.frameOffset;
    for (Md2Frame& frame : frames) {
        frame.scale = ReadVector(at);
        frame.translate = ReadVector(at + 12);
        frame.name = ReadName(at + 24, kFrameNameSize);
        frame.vertices.resize(vertexCount);
        at += kFrameHeaderSize;
        for (Md2Vertex& vertex : frame.vertices) {
            vertex = {at[0], at[1], at[2], at[3]};
            at += kVertexSize;
        }
    }
}

bool Md2Model::CheckIndices(const std::string& label) {
    for (const Md2Triangle& triangle : triangles) {
        for (int corner = 0; corner < 3; ++corner) {
            if (triangle.vertex[corner] >= vertexCount)
                return Refuse(label, "a triangle names vertex " + std::to_string(triangle.vertex[corner]) +
                                         " of " + std::to_string(vertexCount));
            if (triangle.texCoord[corner] >= texCoords.size())
                return Refuse(label, "a triangle names texture coordinate " +
                                         std::to_string(triangle.texCoord[corner]) + " of " +
                                         std::to_string(texCoords.size()));
        }
    }
    for (const Md2Frame& frame : frames) {
        for (const Md2Vertex& vertex : frame.vertices) {
            if (vertex.normal >= kMd2NormalCount)
                return Refuse(label, "a vertex names normal " + std::to_string(vertex.normal) + " of " +
                                         std::to_string(kMd2NormalCount));
        }
    }
    return true;
}

void Md2Model::BuildAnimations() {
    if (frameCount == 1) return;
    for (uint32_t i = 0; i < frameCount; ++i) {
        const auto [entry, created] = animations.try_emplace(AnimationName(frames[i].name), AnimationRange{i, i + 1});
        if (!created) entry->second.last = i;
    }
}

void Md2Model::Clear() {
    skinWidth = skinHeight = 0;
    vertexCount = frameCount = triangleCount = 0;
    skins.clear();
    texCoords.clear();
    triangles.clear();
    frames.clear();
    animations.clear();
}

}  // namespace Engine
