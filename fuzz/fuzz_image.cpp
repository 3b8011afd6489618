// Fuzz target: the image path, decoding and conversion to 32-bit BGRA bottom
// row first. The first byte of an input picks the file's extension (TGA has
// no magic number and is recognised by its name); the rest is the file.
#include <unistd.h>  // getpid names the folder

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "engine/core/cLog.h"
#include "engine/resource/ImageFile.h"

namespace {

constexpr const char* kExtensions[] = {".png", ".tga", ".bmp", ".jpg"};

struct Folder {
    Folder() : path(std::filesystem::temp_directory_path() / ("fuzz_image_" + std::to_string(getpid()))) {
        std::filesystem::create_directories(path);
    }
    ~Folder() { std::filesystem::remove_all(path); }
    std::filesystem::path path;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    static Folder folder;
    if (size == 0) return 0;
    Engine::cLog::Destroy();
    const std::filesystem::path file = folder.path / (std::string("input") + kExtensions[data[0] % 4]);
    std::ofstream(file, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data + 1), std::streamsize(size - 1));
    Engine::DecodedImage image;
    Engine::ReadImageFile(file.string(), image);
    std::filesystem::remove(file);
    return 0;
}
