#pragma once
// MeshFixture: each mesh test runs in a temporary folder of its own (model
// files and Engine.log live there) with a null renderer that remembers its
// draws, the null device's buffer manager and a mesh manager over it.

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "engine/core/cLog.h"
#include "engine/render/cNullHardwareBufferManager.h"
#include "engine/render/cNullRenderer.h"
#include "engine/render/iVertexBuffer.h"
#include "engine/resource/cAnimationRegistry.h"
#include "engine/resource/cMeshManager.h"
#include "tests/support/Md2FileWriter.h"
#include "tests/support/TempDir.h"

// One draw as the renderer was asked for it, with the buffers bound at that moment.
struct DrawRecord {
    bool indexed = false;
    int32_t primitiveType = -1;
    uint32_t start = 0;
    uint32_t primitiveCount = 0;
    const Engine::iVertexBuffer* vertexBuffer = nullptr;
    const Engine::iIndexBuffer* indexBuffer = nullptr;
};

class cRecordingRenderer : public Engine::cNullRenderer {
public:
    void DrawPrimitives(int32_t type, uint32_t start, uint32_t count) override {
        draws.push_back({false, type, start, count, Bindings().vertex_buffer, Bindings().index_buffer});
        cNullRenderer::DrawPrimitives(type, start, count);
    }
    void DrawIndexedPrimitives(int32_t type, uint32_t start, uint32_t count) override {
        draws.push_back({true, type, start, count, Bindings().vertex_buffer, Bindings().index_buffer});
        cNullRenderer::DrawIndexedPrimitives(type, start, count);
    }
    std::vector<DrawRecord> draws;
};

class MeshFixture : public ::testing::Test {
protected:
    MeshFixture() { ResetServices(); }
    ~MeshFixture() override { ResetServices(); }

    static void ResetServices() {
        Engine::cAnimationRegistry::Destroy();
        Engine::cLog::Destroy();
    }

    // Writes bytes to a file in the test folder; returns its path.
    std::string WriteBytes(const std::string& name, const std::vector<uint8_t>& bytes) const {
        const std::string path = dir.File(name);
        std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
        return path;
    }

    // Writes an MD2 file into the test folder and loads it as a mesh of that name.
    Engine::cMesh* LoadMd2(const std::string& name, const TestSupport::Md2Description& description) {
        WriteBytes(name + ".md2", TestSupport::MakeMd2(description));
        return manager.LoadMesh(name, name + ".md2", dir.Path().string() + "/", {}, {}, true, true);
    }

    // The floats of every vertex of a buffer.
    static std::vector<float> Floats(Engine::iVertexBuffer* buffer) {
        std::vector<float> floats(buffer->GetCount() * buffer->GetStride() / sizeof(float));
        buffer->Read(floats.data(), 0, buffer->GetCount());
        return floats;
    }

    std::string EngineLog() const { return TestSupport::ReadFile(dir.File("Engine.log")); }
    bool Logged(const std::string& text) const { return EngineLog().find(text) != std::string::npos; }

    TestSupport::TempDir dir;
    TestSupport::ScopedWorkingDirectory cwd{dir.Path()};
    cRecordingRenderer renderer;
    Engine::cNullHardwareBufferManager buffers{renderer};
    Engine::cMeshManager manager{buffers};
};
