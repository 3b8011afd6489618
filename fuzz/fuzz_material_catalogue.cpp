// Fuzz target: the "MaterialData.xml" reader, through cXmlFile, with the
// null shader manager reading the shader files a material names. The target
// works in a temporary folder of its own holding lit.shader, which the seed
// catalogues name; names of missing files are part of the test.
#include <unistd.h>  // getpid names the folder, chdir enters it

#include <cstddef>
#include <cstdint>
#include <cstdlib>  // std::abort when the folder cannot be entered
#include <filesystem>
#include <fstream>
#include <string>

#include "engine/core/cLog.h"
#include "engine/render/cNullRenderer.h"
#include "engine/resource/MaterialCatalogue.h"
#include "engine/resource/cMaterialManager.h"
#include "engine/resource/cNullShaderManager.h"

namespace {

constexpr const char* kShader =
    "// Stages: vertex LitVS, pixel LitPS\n"
    "uniform mat4 WVPMatrix;\nuniform vec4 gEmissiveMaterial = vec4(0.0);\n"
    "layout(binding = 0) uniform sampler2D gDiffuseMap;\n"
    "void LitVS() {}\nvoid LitPS() {}\n";

struct Device {
    Device() : folder(std::filesystem::temp_directory_path() / ("fuzz_material_catalogue_" + std::to_string(getpid()))) {
        std::filesystem::create_directories(folder);
        if (chdir(folder.c_str()) != 0) std::abort();
        std::ofstream(folder / "lit.shader") << kShader;
    }
    ~Device() { std::filesystem::remove_all(folder); }

    std::filesystem::path folder;
    Engine::cNullRenderer renderer;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    static Device device;
    Engine::cLog::Destroy();
    std::ofstream(device.folder / "MaterialData.xml", std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), std::streamsize(size));
    Engine::cNullShaderManager shaders(device.renderer);
    {
        Engine::cMaterialManager materials;
        Engine::LoadMaterialCatalogue("", "MaterialData.xml", materials, &shaders);
        for (const auto& [name, material] : materials.Registry()) material->Apply(device.renderer);
    }
    return 0;
}
