#pragma once
// cNullShader: the shader stage of the null device layer, for headless runs
// and tests. There is no driver, so "compiling" reads the stage's uniforms
// from the source text the way the GL driver would see them: lines inside
// "#ifdef VERTEX_STAGE" / "#ifdef PIXEL_STAGE" blocks (and their #ifndef and
// #else forms) count only for their stage, other conditional blocks are
// taken as written, and the entry point must be defined. Samplers read the
// texture stage of their "layout(binding = N)", 0 without one.
//
// Binding records the stage's id as the null renderer's shader of its kind,
// and every value sent to a constant is kept for tests to read back.

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "engine/resource/cShaderStageBase.h"

namespace Engine {

class cNullRenderer;

class cNullShader : public cShaderStageBase {
public:
    // The manager and the null renderer the stage binds itself to.
    void Attach(iShaderManager& owner, cNullRenderer& device);

    // The id the stage records on the renderer when bound (0 while uncompiled).
    uint32_t Id() const { return id; }
    // The last values sent to a constant (ints as floats); false when none were.
    bool SentValues(const std::string& constant, std::vector<float>& values) const;

protected:
    bool DeviceCompile(const std::string& source_text, const std::string& entry, int32_t stage,
                       std::map<std::string, ShaderConstant>& found, std::string& error) override;
    void DeviceRelease() override;
    void DeviceBind() override;
    void DeviceSendInt(const ShaderConstant& constant, int32_t value) override;
    void DeviceSendFloats(const ShaderConstant& constant, const float* values, int32_t count) override;
    void DeviceSendMatrix(const ShaderConstant& constant, const Matrix4x4& value) override;

private:
    cNullRenderer* renderer = nullptr;
    uint32_t id = 0;
    std::map<int32_t, std::vector<float>> sent;
};

}  // namespace Engine
