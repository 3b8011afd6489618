// Fuzz target: the "TextureData.xml" reader, through cXmlFile, with the null
// texture manager loading whatever the catalogue names. The target works in a
// temporary folder of its own holding the pictures the seed catalogues name
// (grass.tga, and moon_rt.tga to moon_bk.tga for a cube); names of missing
// files are part of the test.
#include <unistd.h>  // getpid names the folder, chdir enters it

#include <cstddef>
#include <cstdint>
#include <cstdlib>  // std::abort when the folder cannot be entered
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "engine/core/cLog.h"
#include "engine/render/cNullRenderer.h"
#include "engine/resource/cNullTextureManager.h"

namespace {

// An uncompressed 24-bit TGA of side x side texels, bottom row first.
std::vector<uint8_t> Tga(uint8_t side) {
    std::vector<uint8_t> bytes = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, side, 0, side, 0, 24, 0};
    for (int texel = 0; texel < side * side; ++texel) {
        for (int channel = 0; channel < 3; ++channel) bytes.push_back(uint8_t(texel * 40 + channel * 90));
    }
    return bytes;
}

struct Device {
    Device() : folder(std::filesystem::temp_directory_path() / ("fuzz_texture_catalogue_" + std::to_string(getpid()))) {
        std::filesystem::create_directories(folder);
        if (chdir(folder.c_str()) != 0) std::abort();
        Write("grass.tga", Tga(4));
        for (const char* face : {"rt", "lf", "up", "dn", "fr", "bk"}) Write(std::string("moon_") + face + ".tga", Tga(2));
    }
    ~Device() { std::filesystem::remove_all(folder); }

    void Write(const std::string& name, const std::vector<uint8_t>& bytes) const {
        std::ofstream(folder / name, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    }

    std::filesystem::path folder;
    Engine::cNullRenderer renderer;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    static Device device;
    Engine::cLog::Destroy();
    std::ofstream(device.folder / "TextureData.xml", std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), std::streamsize(size));
    Engine::cNullTextureManager manager(device.renderer);
    manager.LoadTextureCatalogue("", "TextureData.xml");
    manager.LoadCubeTexture("moon.tga", "");
    return 0;
}
