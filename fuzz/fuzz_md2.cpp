// Fuzz target: the MD2 parser, and the mesh builder on every file it accepts.
#include <cstddef>
#include <cstdint>

#include "engine/core/cLog.h"
#include "engine/render/cNullHardwareBufferManager.h"
#include "engine/render/cNullRenderer.h"
#include "engine/resource/Md2MeshBuilder.h"
#include "engine/resource/Md2Model.h"
#include "engine/resource/cMesh.h"

namespace {

struct Device {
    Engine::cNullRenderer renderer;
    Engine::cNullHardwareBufferManager buffers{renderer};
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    static Device device;
    // A fresh log per input, so Engine.log holds only the last one's lines.
    Engine::cLog::Destroy();
    Engine::Md2Model model;
    if (!model.Parse(data, size, "fuzz input")) return 0;
    Engine::cMesh mesh;
    mesh.InitResource("fuzz", "");
    Engine::BuildMd2Mesh(mesh, model, 1.0f, device.buffers, {});
    mesh.Draw(device.renderer);
    mesh.Unload();
    return 0;
}
