#pragma once
// iShader: one compiled shader stage, vertex or pixel, with its constants
// known by name.
//
// A stage is compiled from a source file (its name is the file name, its
// source the directory) and lives until its program is released. The engine
// reaches its constants three ways:
// - directly, by name, at once (Set*): per-draw values such as an emissive
//   colour or an animation interpolant;
// - through bindings (Bind*): the name is tied to an engine variable and the
//   variable's value at the time of UploadBindings is sent (light records);
// - through the six automatic matrices, switched on per stage and read from
//   the renderer by UploadMatrices, each under its fixed constant name
//   ("WVPMatrix", "WorldViewMatrix", "WorldMatrix", "ViewMatrix",
//   "ProjectionMatrix", "TextureMatrix").
// A name that is not a constant of the stage, or a value of another kind
// than the constant's, changes nothing.
//
// A stage that did not compile has no constants, and binding it leaves the
// device without a shader of its kind.

#include <cstdint>
#include <string>

#include "engine/core/Matrix4x4.h"
#include "engine/resource/ShaderConstant.h"
#include "engine/resource/cResource.h"

namespace Engine {

class iShader : public cResource {
public:
    // What GetSamplerIndex answers for a name that is not a constant of the stage.
    static constexpr uint32_t kNoSampler = 99;

    ~iShader() override = default;

    // Makes this the device's shader of its kind and the manager's current one.
    virtual void Bind() = 0;
    // Clears the device's shader of this kind and the manager's current one.
    virtual void Unbind() = 0;

    virtual void SetInt(const std::string& constant, int32_t value) = 0;
    virtual void SetFloat(const std::string& constant, float value) = 0;
    virtual void SetFloat2(const std::string& constant, const float* values) = 0;
    virtual void SetFloat3(const std::string& constant, const float* values) = 0;
    virtual void SetFloat4(const std::string& constant, const float* values) = 0;
    // Sends a matrix in the engine's convention.
    virtual void SetMatrix(const std::string& constant, const Matrix4x4& value) = 0;

    // Ties a constant to an engine variable; a name already bound keeps its first variable.
    virtual void BindInt(const std::string& constant, const int32_t* value) = 0;
    virtual void BindFloat(const std::string& constant, const float* value) = 0;
    virtual void BindFloat2(const std::string& constant, const float* values) = 0;
    virtual void BindFloat3(const std::string& constant, const float* values) = 0;
    virtual void BindFloat4(const std::string& constant, const float* values) = 0;
    virtual void BindMatrix(const std::string& constant, const Matrix4x4* value) = 0;

    // Unties a constant from its variable.
    virtual void UnbindInt(const std::string& constant) = 0;
    virtual void UnbindFloat(const std::string& constant) = 0;
    virtual void UnbindFloat2(const std::string& constant) = 0;
    virtual void UnbindFloat3(const std::string& constant) = 0;
    virtual void UnbindFloat4(const std::string& constant) = 0;
    virtual void UnbindMatrix(const std::string& constant) = 0;

    // Switches the automatic upload of one matrix on or off.
    virtual void EnableWorldMatrix(bool on) = 0;
    virtual void EnableWVPMatrix(bool on) = 0;
    virtual void EnableWorldViewMatrix(bool on) = 0;
    virtual void EnableViewMatrix(bool on) = 0;
    virtual void EnableProjectionMatrix(bool on) = 0;
    virtual void EnableTextureMatrix(bool on) = 0;

    // Unties every bound constant.
    virtual void ClearBindings() = 0;
    // Sends the present value of every bound variable: integers, floats, 2,
    // 3 and 4 floats, matrices, each kind in name order.
    virtual void UploadBindings() = 0;
    // Sends the switched-on matrices as the renderer holds them now.
    virtual void UploadMatrices() = 0;
    // The texture stage a sampler constant reads, or kNoSampler.
    virtual uint32_t GetSamplerIndex(const std::string& constant) const = 0;

    // The stage kind (eShaderStage).
    virtual int32_t Stage() const = 0;
    // True when the stage compiled and can be bound.
    virtual bool IsCompiled() const = 0;
    // The kind of a constant, or SCT_Other with false when the stage has none of that name.
    virtual bool FindConstant(const std::string& constant, eShaderConstantType& type) const = 0;
};

}  // namespace Engine
