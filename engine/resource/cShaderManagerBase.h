#pragma once
// cShaderManagerBase: the shader manager of every device layer, over the
// layer's stage class (Stage, derived from cShaderStageBase) and renderer
// (Device, what Stage::Attach takes).
//
// Stages and programs come from block pools and go back to them; the manager
// keeps the set of each that is handed out, so that a release of anything it
// does not hold (null, released already, another manager's) changes nothing.
// Stages are deliberately not kept in a registry by name: every program
// compiles its own, and the vertex and pixel stage of one file carry the
// same file name, so a name could never tell them apart.

#include <cstddef>
#include <set>
#include <string>

#include "engine/render/cBlockPool.h"
#include "engine/resource/cGPUProgram.h"
#include "engine/resource/eShaderStage.h"
#include "engine/resource/iShaderManager.h"

namespace Engine {

template <typename Stage, typename Device, std::size_t BlockSize = 64>
class cShaderManagerBase : public iShaderManager {
public:
    explicit cShaderManagerBase(Device& device_) : device(device_) {}
    ~cShaderManagerBase() override { ReleaseAll(); }

    cShaderManagerBase(const cShaderManagerBase&) = delete;
    cShaderManagerBase& operator=(const cShaderManagerBase&) = delete;

    iGPUProgram* CreateShaderProgram(const std::string& vertex_file, const std::string& vertex_directory,
                                     const std::string& vertex_entry, const std::string& pixel_file,
                                     const std::string& pixel_directory, const std::string& pixel_entry) override {
        iShader* vertex = CompileStage(vertex_file, vertex_directory, vertex_entry, SS_Vertex);
        iShader* pixel = CompileStage(pixel_file, pixel_directory, pixel_entry, SS_Pixel);
        cGPUProgram* program = programs.Take();
        program->Attach(*this, device);
        program->SetStages(vertex, pixel);
        live_programs.insert(program);
        return program;
    }

    void ReleaseProgram(iGPUProgram*& program) override {
        auto* held = static_cast<cGPUProgram*>(program);
        program = nullptr;
        if (held == nullptr || live_programs.erase(held) == 0) return;
        held->ReleaseStages();
        programs.GiveBack(held);
    }

    void ReleaseStage(iShader*& stage) override {
        auto* held = static_cast<Stage*>(stage);
        stage = nullptr;
        if (held == nullptr || live_stages.count(held) == 0 || held->DropRef() > 0) return;
        live_stages.erase(held);
        if (current_vertex == held) current_vertex = nullptr;
        if (current_pixel == held) current_pixel = nullptr;
        held->Unload();
        stages.GiveBack(held);
    }

    void ReleaseAll() override {
        for (cGPUProgram* program : live_programs) program->SetStages(nullptr, nullptr);
        for (Stage* stage : live_stages) stage->Unload();
        live_programs.clear();
        live_stages.clear();
        programs.RequeueAll();
        stages.RequeueAll();
        current_vertex = nullptr;
        current_pixel = nullptr;
    }

    void SetCurrentVertexStage(iShader* stage) override { current_vertex = stage; }
    void SetCurrentPixelStage(iShader* stage) override { current_pixel = stage; }
    iShader* GetCurrentVertexStage() const override { return current_vertex; }
    iShader* GetCurrentPixelStage() const override { return current_pixel; }

    // Stages and programs handed out and not yet released.
    std::size_t LiveStageCount() const { return live_stages.size(); }
    std::size_t LiveProgramCount() const { return live_programs.size(); }

private:
    // A stage compiled from the file, or null for an empty file name. A
    // stage that does not compile is still handed out, uncompiled.
    iShader* CompileStage(const std::string& file, const std::string& directory, const std::string& entry,
                          int32_t kind) {
        if (file.empty()) return nullptr;
        Stage* stage = stages.Take();
        stage->Attach(*this, device);
        stage->Compile(file, directory, entry, kind);
        live_stages.insert(stage);
        return stage;
    }

    Device& device;
    cBlockPool<Stage, BlockSize> stages;
    cBlockPool<cGPUProgram, BlockSize> programs;
    std::set<Stage*> live_stages;
    std::set<cGPUProgram*> live_programs;
    iShader* current_vertex = nullptr;
    iShader* current_pixel = nullptr;
};

}  // namespace Engine
