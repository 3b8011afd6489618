#pragma once
// cMaterial: a named set of render states plus an optional shader program.
//
// The render states are kept by id (eRenderStateId) and applied in ascending
// id order. The program is a vertex and pixel stage pair made by a shader
// manager, which the material releases through that same manager when the
// program is replaced or the material unloaded. useShader, on whenever the
// material is handed out, lets the developer keys draw a material without
// its shaders: while it is off, applying the material unbinds both shader
// kinds instead of binding the program.
//
// A material is applied once per material node per pass: Apply sets the
// render states, binds the program and uploads its bound constants;
// UnbindProgram is the end of a pass that bound the program alone (the GUI
// pass, the shadow pass).

#include <cstdint>
#include <map>
#include <string>

#include "engine/resource/cResource.h"

namespace Engine {

class iGPUProgram;
class iRenderer;
class iShaderManager;

class cMaterial : public cResource {
public:
    // Sets name and source and the user count; clears the render states and switches shader use on.
    void InitResource(const std::string& new_name, const std::string& new_source) override;
    // Clears name, source and render states and releases the program.
    void Unload() override;

    // Stores a render state by its catalogue name ("Shading" ... "ZWrite"), or
    // the blending presets "AlphaBlending" and "AdditiveBlending" (value 1
    // switches the preset on, any other value switches blending off); any
    // other name changes nothing. Returns whether the name was known.
    bool SetRenderStateByName(const std::string& state_name, int32_t value);
    // Stores one render state, replacing an earlier value of the id.
    void SetRenderState(int32_t id, int32_t value) { renderStates[id] = value; }
    // Sets every stored render state on the renderer, in id order.
    void ApplyRenderStates(iRenderer& renderer) const;
    // Binds the program, or unbinds both shader kinds when there is none or shaders are off.
    void BindProgram(iRenderer& renderer) const;
    // Uploads both stages' bound constants, or unbinds both shader kinds when there is no program or shaders are off.
    void UploadProgramBindings(iRenderer& renderer) const;
    // What a material node does in the main pass: render states, program, bound constants.
    void Apply(iRenderer& renderer) const;
    // Unbinds what BindProgram bound: the program's stages, or both shader kinds.
    void UnbindProgram(iRenderer& renderer) const;

    // Takes a program made by the manager, releasing the one held before.
    void SetProgram(iGPUProgram* new_program, iShaderManager* owner);
    // Returns the program to its manager; the material has none afterwards.
    void ReleaseProgram();

    const std::map<int32_t, int32_t>& RenderStates() const { return renderStates; }
    iGPUProgram* Program() const { return program; }
    bool UseShader() const { return useShader; }
    void SetUseShader(bool on) { useShader = on; }

private:
    // True when applying binds the program rather than unbinding the shaders.
    bool DrawsWithProgram() const { return useShader && program != nullptr; }
    static void UnbindBothShaders(iRenderer& renderer);

    std::map<int32_t, int32_t> renderStates;
    iGPUProgram* program = nullptr;
    iShaderManager* program_owner = nullptr;
    bool useShader = true;
};

}  // namespace Engine
