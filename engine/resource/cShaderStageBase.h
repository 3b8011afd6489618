#pragma once
// cShaderStageBase: the device-neutral half of every shader stage.
//
// It keeps what a stage is told (its constants by name with their kinds,
// the six binding maps, the six automatic-matrix switches) and carries out
// the rules of iShader: which names and kinds reach the device, the order of
// UploadBindings and UploadMatrices, what binding an uncompiled stage does,
// and how a failed compilation is reported. A device layer derives from it
// and supplies the Device* steps: cGLShader compiles GLSL with the GL
// driver, cNullShader reads the constants from the source text and records
// what it is sent, for headless runs and tests.
//
// Compilation reads the whole file and hands its text to the device; the
// file holds both stages, and the device compiles the one asked for. A
// missing file or a refused source is reported with the file, the stage and
// the reason, to Engine.log and standard error; nothing waits for anyone.

#include <cstdint>
#include <map>
#include <string>

#include "engine/resource/iShader.h"

namespace Engine {

class iRenderer;
class iShaderManager;

class cShaderStageBase : public iShader {
public:
    // The stage's manager and renderer; set once, before Compile.
    void Attach(iShaderManager& owner, iRenderer& device_renderer);
    // Compiles the stage of a file (directory followed by file name) with
    // its entry point; false, reported, when it does not compile.
    bool Compile(const std::string& file, const std::string& directory, const std::string& entry, int32_t stage);

    void Unload() override;
    void Bind() override;
    void Unbind() override;

    void SetInt(const std::string& constant, int32_t value) override;
    void SetFloat(const std::string& constant, float value) override;
    void SetFloat2(const std::string& constant, const float* values) override;
    void SetFloat3(const std::string& constant, const float* values) override;
    void SetFloat4(const std::string& constant, const float* values) override;
    void SetMatrix(const std::string& constant, const Matrix4x4& value) override;

    void BindInt(const std::string& constant, const int32_t* value) override;
    void BindFloat(const std::string& constant, const float* value) override;
    void BindFloat2(const std::string& constant, const float* values) override;
    void BindFloat3(const std::string& constant, const float* values) override;
    void BindFloat4(const std::string& constant, const float* values) override;
    void BindMatrix(const std::string& constant, const Matrix4x4* value) override;

    void UnbindInt(const std::string& constant) override;
    void UnbindFloat(const std::string& constant) override;
    void UnbindFloat2(const std::string& constant) override;
    void UnbindFloat3(const std::string& constant) override;
    void UnbindFloat4(const std::string& constant) override;
    void UnbindMatrix(const std::string& constant) override;

    void EnableWorldMatrix(bool on) override { matrix_switches[kWorld] = on; }
    void EnableWVPMatrix(bool on) override { matrix_switches[kWVP] = on; }
    void EnableWorldViewMatrix(bool on) override { matrix_switches[kWorldView] = on; }
    void EnableViewMatrix(bool on) override { matrix_switches[kView] = on; }
    void EnableProjectionMatrix(bool on) override { matrix_switches[kProjection] = on; }
    void EnableTextureMatrix(bool on) override { matrix_switches[kTexture] = on; }

    void ClearBindings() override;
    void UploadBindings() override;
    void UploadMatrices() override;
    uint32_t GetSamplerIndex(const std::string& constant) const override;

    int32_t Stage() const override { return stage_kind; }
    bool IsCompiled() const override { return compiled; }
    bool FindConstant(const std::string& constant, eShaderConstantType& type) const override;

    // Every constant of the stage by name.
    const std::map<std::string, ShaderConstant>& Constants() const { return constants; }

protected:
    // Compiles the given stage of the source text; fills the constants and
    // returns true, or returns false with the driver's text in error.
    virtual bool DeviceCompile(const std::string& source_text, const std::string& entry, int32_t stage,
                               std::map<std::string, ShaderConstant>& found, std::string& error) = 0;
    // Frees the compiled stage.
    virtual void DeviceRelease() = 0;
    // Makes the compiled stage the device's shader of its kind.
    virtual void DeviceBind() = 0;
    // Sends one value of each kind to a constant known to be of that kind.
    virtual void DeviceSendInt(const ShaderConstant& constant, int32_t value) = 0;
    virtual void DeviceSendFloats(const ShaderConstant& constant, const float* values, int32_t count) = 0;
    virtual void DeviceSendMatrix(const ShaderConstant& constant, const Matrix4x4& value) = 0;

    iRenderer* Renderer() const { return renderer; }

private:
    enum eMatrixSwitch { kWVP, kWorldView, kWorld, kView, kProjection, kTexture, kMatrixSwitches };

    // The constant of that name if it takes values of the kind, else null.
    const ShaderConstant* Constant(const std::string& name, eShaderConstantType type) const;
    // Sends count floats to a constant of the matching kind.
    void SendFloats(const std::string& name, eShaderConstantType type, const float* values, int32_t count);
    // Writes the compile failure to Engine.log and standard error.
    void ReportFailure(const std::string& path, const std::string& entry, const std::string& reason) const;

    iShaderManager* manager = nullptr;
    iRenderer* renderer = nullptr;
    int32_t stage_kind = 0;
    bool compiled = false;
    std::map<std::string, ShaderConstant> constants;
    std::map<std::string, const int32_t*> int_bindings;
    std::map<std::string, const float*> float_bindings;
    std::map<std::string, const float*> float2_bindings;
    std::map<std::string, const float*> float3_bindings;
    std::map<std::string, const float*> float4_bindings;
    std::map<std::string, const Matrix4x4*> matrix_bindings;
    bool matrix_switches[kMatrixSwitches] = {};
};

}  // namespace Engine
