// Fuzz target: the "MeshData.xml" reader, through cXmlFile, with the mesh
// manager loading whatever the catalogue names. The target works in a
// temporary folder of its own holding a few model files (ghost.md2,
// walk.md2, box.X) that the seed catalogues name; names of missing files
// are part of the test.
#include <unistd.h>  // getpid names the folder, chdir enters it

#include <cstddef>
#include <cstdlib>  // std::abort when the folder cannot be entered
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "engine/core/cLog.h"
#include "engine/render/cNullHardwareBufferManager.h"
#include "engine/render/cNullRenderer.h"
#include "engine/resource/cMeshManager.h"
#include "tests/support/Md2FileWriter.h"

namespace {

struct Device {
    Device() : folder(std::filesystem::temp_directory_path() / ("fuzz_mesh_catalogue_" + std::to_string(getpid()))) {
        std::filesystem::create_directories(folder);
        if (chdir(folder.c_str()) != 0) std::abort();
        TestSupport::Md2Description ghost;
        ghost.frameNames = {"float1", "float2"};
        Write("ghost.md2", TestSupport::MakeMd2(ghost));
        TestSupport::Md2Description walker;
        walker.vertexCount = 8;
        walker.triangleCount = 6;
        walker.frameNames = TestSupport::NumberedFrames("walk", 4);
        walker.frameNames.push_back("pain");
        Write("walk.md2", TestSupport::MakeMd2(walker));
        const std::string box =
            "xof 0303txt 0032\nMesh {\n 3;\n 0.0; 0.0; 0.0;,\n 1.0; 0.0; 0.0;,\n 0.0; 1.0; 0.0;;\n"
            " 1;\n 3;0,1,2;;\n}\n";
        Write("box.X", std::vector<uint8_t>(box.begin(), box.end()));
    }
    ~Device() { std::filesystem::remove_all(folder); }

    void Write(const std::string& name, const std::vector<uint8_t>& bytes) const {
        std::ofstream(folder / name, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    }

    std::filesystem::path folder;
    Engine::cNullRenderer renderer;
    Engine::cNullHardwareBufferManager buffers{renderer};
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    static Device device;
    Engine::cLog::Destroy();
    const std::filesystem::path catalogue = device.folder / "MeshData.xml";
    std::ofstream(catalogue, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), std::streamsize(size));
    Engine::cMeshManager manager(device.buffers);
    manager.LoadMeshCatalogue("", "MeshData.xml");
    manager.FreeModelData();
    return 0;
}
