#include "engine/resource/ImageHeader.h"

#include <algorithm>  // std::equal, std::transform, std::min
#include <array>
#include <cctype>     // std::tolower of the extension
#include <cstdint>    // INT32_MAX
#include <fstream>

namespace Engine {
namespace {

constexpr std::array<uint8_t, 8> kPngMagic = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
// JPEG segments looked at before giving up on finding the frame header.
constexpr int kMaxJpegSegments = 256;

uint32_t BigEndian(const uint8_t* bytes, int count) {
    uint32_t value = 0;
    for (int i = 0; i < count; ++i) value = (value << 8) | bytes[i];
    return value;
}

uint32_t LittleEndian(const uint8_t* bytes, int count) {
    uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i) value = (value << 8) | bytes[i];
    return value;
}

// A signed 32-bit field's size without its sign (BMP stores top-down pictures with a negative height).
int32_t Magnitude(uint32_t bits) {
    const int64_t value = static_cast<int32_t>(bits);
    return static_cast<int32_t>(std::min<int64_t>(value < 0 ? -value : value, INT32_MAX));
}

bool ReadAt(std::ifstream& file, std::streamoff offset, uint8_t* bytes, std::size_t count) {
    file.clear();
    file.seekg(offset);
    return static_cast<bool>(file.read(reinterpret_cast<char*>(bytes), static_cast<std::streamsize>(count)));
}

bool HasExtension(const std::string& path, const std::string& extension) {
    if (path.size() < extension.size()) return false;
    std::string tail = path.substr(path.size() - extension.size());
    std::transform(tail.begin(), tail.end(), tail.begin(), [](unsigned char c) { return std::tolower(c); });
    return tail == extension;
}

// Start-of-frame markers carry the picture size; DHT (C4), JPG (C8) and DAC (CC) do not.
bool IsFrameMarker(uint8_t marker) {
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

bool PeekJpeg(std::ifstream& file, int32_t& width, int32_t& height) {
    std::streamoff at = 2;
    uint8_t segment[9];
    for (int i = 0; i < kMaxJpegSegments; ++i) {
        if (!ReadAt(file, at, segment, 4) || segment[0] != 0xFF) return false;
        const uint8_t marker = segment[1];
        if (marker == 0xFF) {  // a fill byte before the marker
            ++at;
            continue;
        }
        if (IsFrameMarker(marker)) {
            if (!ReadAt(file, at, segment, 9)) return false;
            height = static_cast<int32_t>(BigEndian(segment + 5, 2));
            width = static_cast<int32_t>(BigEndian(segment + 7, 2));
            return true;
        }
        const uint32_t length = BigEndian(segment + 2, 2);
        if (length < 2) return false;
        at += 2 + static_cast<std::streamoff>(length);
    }
    return false;
}

}  // namespace

bool PeekImageSize(const std::string& path, int32_t& width, int32_t& height) {
    std::ifstream file(path, std::ios::binary);
    uint8_t header[26] = {};
    if (!file || !ReadAt(file, 0, header, sizeof header)) {
        // Short files: only the formats whose size sits early can still be read.
        if (!ReadAt(file, 0, header, 18)) return false;
    }
    if (std::equal(kPngMagic.begin(), kPngMagic.end(), header)) {
        width = static_cast<int32_t>(BigEndian(header + 16, 4) & 0x7FFFFFFF);
        height = static_cast<int32_t>(BigEndian(header + 20, 4) & 0x7FFFFFFF);
        return true;
    }
    if (header[0] == 'B' && header[1] == 'M') {
        if (LittleEndian(header + 14, 4) == 12) {
            width = static_cast<int32_t>(LittleEndian(header + 18, 2));
            height = static_cast<int32_t>(LittleEndian(header + 20, 2));
        } else {
            width = Magnitude(LittleEndian(header + 18, 4));
            height = Magnitude(LittleEndian(header + 22, 4));
        }
        return true;
    }
    if (header[0] == 0xFF && header[1] == 0xD8) return PeekJpeg(file, width, height);
    if (HasExtension(path, ".tga")) {
        width = static_cast<int32_t>(LittleEndian(header + 12, 2));
        height = static_cast<int32_t>(LittleEndian(header + 14, 2));
        return true;
    }
    return false;
}

}  // namespace Engine
