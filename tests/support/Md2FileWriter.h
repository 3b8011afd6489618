#pragma once
// Md2FileWriter: small MD2 model files made in memory by tests, benchmarks
// and the fuzzing seeds, laid out as the public format describes: header,
// skins, texture coordinates, triangles, frames.
//
// Frame f's vertex v has the bytes (v + f, 2v + f, 3v + f) (each mod 256)
// and the normal index (v + f) mod 162; frames have scale (1, 1, 1) and
// translate (0, 0, 0) unless a test changes them. Triangle t uses vertices
// (t, t + 1, t + 2) mod the vertex count and the same texture coordinates.
// Header fields can be overwritten afterwards to make lying files.

#include <algorithm>  // std::min
#include <cstdint>
#include <cstring>  // std::memcpy of floats and names
#include <string>
#include <vector>

namespace TestSupport {

struct Md2Description {
    int32_t skinWidth = 64;
    int32_t skinHeight = 32;
    uint32_t vertexCount = 4;
    uint32_t triangleCount = 2;
    std::vector<std::string> frameNames{"stand1"};
    float frameScale = 1.0f;
    float frameTranslate = 0.0f;
};

// Header fields by their position among the seventeen integers.
enum Md2HeaderField : int {
    kMd2Magic = 0, kMd2Version = 1, kMd2SkinWidth = 2, kMd2SkinHeight = 3, kMd2FrameSize = 4,
    kMd2SkinCount = 5, kMd2VertexCount = 6, kMd2TexCoordCount = 7, kMd2TriangleCount = 8,
    kMd2GlCommandCount = 9, kMd2FrameCount = 10, kMd2SkinOffset = 11, kMd2TexCoordOffset = 12,
    kMd2TriangleOffset = 13, kMd2FrameOffset = 14, kMd2GlCommandOffset = 15, kMd2EndOffset = 16,
};

inline void PutU32(std::vector<uint8_t>& bytes, std::size_t at, uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes[at + i] = uint8_t(value >> (8 * i));
}

inline void AppendU32(std::vector<uint8_t>& bytes, uint32_t value) {
    bytes.resize(bytes.size() + 4);
    PutU32(bytes, bytes.size() - 4, value);
}

inline void AppendU16(std::vector<uint8_t>& bytes, uint16_t value) {
    bytes.push_back(uint8_t(value));
    bytes.push_back(uint8_t(value >> 8));
}

inline void AppendFloat(std::vector<uint8_t>& bytes, float value) {
    uint32_t bits;
    std::memcpy(&bits, &value, 4);
    AppendU32(bytes, bits);
}

// Overwrites one header field.
inline void SetMd2Field(std::vector<uint8_t>& bytes, Md2HeaderField field, int32_t value) {
    PutU32(bytes, std::size_t(field) * 4, uint32_t(value));
}

// Reads one header field back.
inline int32_t GetMd2Field(const std::vector<uint8_t>& bytes, Md2HeaderField field) {
    const std::size_t at = std::size_t(field) * 4;
    return int32_t(uint32_t(bytes[at]) | uint32_t(bytes[at + 1]) << 8 | uint32_t(bytes[at + 2]) << 16 |
                   uint32_t(bytes[at + 3]) << 24);
}

inline std::vector<uint8_t> MakeMd2(const Md2Description& d) {
    const uint32_t frames = uint32_t(d.frameNames.size());
    const uint32_t frame_size = 40 + 4 * d.vertexCount;
    const uint32_t skins_at = 68, st_at = skins_at + 64, tris_at = st_at + 4 * d.vertexCount;
    const uint32_t frames_at = tris_at + 12 * d.triangleCount, end = frames_at + frames * frame_size;
    std::vector<uint8_t> bytes;
    for (uint32_t value : {0x32504449u, 8u, uint32_t(d.skinWidth), uint32_t(d.skinHeight), frame_size, 1u,
                           d.vertexCount, d.vertexCount, d.triangleCount, 0u, frames, skins_at, st_at, tris_at,
                           frames_at, end, end})
        AppendU32(bytes, value);
    bytes.resize(bytes.size() + 64, 0);
    const char skin[] = "skin.pcx";
    std::memcpy(bytes.data() + skins_at, skin, sizeof skin);
    for (uint32_t v = 0; v < d.vertexCount; ++v) {
        AppendU16(bytes, uint16_t(v * 2));
        AppendU16(bytes, uint16_t(v * 3));
    }
    for (uint32_t t = 0; t < d.triangleCount; ++t) {
        for (int pass = 0; pass < 2; ++pass)
            for (uint32_t c = 0; c < 3; ++c) AppendU16(bytes, uint16_t((t + c) % d.vertexCount));
    }
    for (uint32_t f = 0; f < frames; ++f) {
        for (int i = 0; i < 3; ++i) AppendFloat(bytes, d.frameScale);
        for (int i = 0; i < 3; ++i) AppendFloat(bytes, d.frameTranslate);
        char name[16] = {};
        std::memcpy(name, d.frameNames[f].data(), std::min<std::size_t>(d.frameNames[f].size(), 16));
        bytes.insert(bytes.end(), name, name + 16);
        for (uint32_t v = 0; v < d.vertexCount; ++v) {
            bytes.push_back(uint8_t(v + f));
            bytes.push_back(uint8_t(2 * v + f));
            bytes.push_back(uint8_t(3 * v + f));
            bytes.push_back(uint8_t((v + f) % 162));
        }
    }
    return bytes;
}

// Frame names base1, base2, ... count of them.
inline std::vector<std::string> NumberedFrames(const std::string& base, int count) {
    std::vector<std::string> names;
    for (int i = 1; i <= count; ++i) names.push_back(base + std::to_string(i));
    return names;
}

}  // namespace TestSupport
