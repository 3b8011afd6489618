#include "engine/resource/cNullTexture.h"

#include <algorithm>  // std::copy_n

#include "engine/resource/eSamplerState.h"
#include "engine/resource/eTextureType.h"

namespace Engine {
namespace {

constexpr int32_t kCubeFaces = 6;

}  // namespace

void cNullTexture::Unload() {
    if (device != nullptr) device->Forget(this);
    device_name = 0;
    texels.clear();
    ClearDescription();
}

void cNullTexture::SetSamplerState(int32_t state, int32_t value) {
    if (IsSamplerValue(value)) device->SetSamplerState(static_cast<uint32_t>(stage), state, value);
}

void cNullTexture::SetColorOp(int32_t operation, int32_t argument) {
    device->SetTextureOperation(static_cast<uint32_t>(stage), false, operation, argument);
}

void cNullTexture::SetAlphaOp(int32_t operation, int32_t argument) {
    device->SetTextureOperation(static_cast<uint32_t>(stage), true, operation, argument);
}

void cNullTexture::Bind() {
    if (type != TT_DepthSurface) device->NullRenderer().BindTexture(static_cast<uint32_t>(stage), device_name);
}

void cNullTexture::Unbind() { device->NullRenderer().BindTexture(static_cast<uint32_t>(stage), 0); }

void cNullTexture::BeginRenderTarget() {
    if (type == TT_RenderTarget && device_name != 0) device->BeginColourTarget(this);
}

void cNullTexture::BeginDepthTarget() {
    if (type == TT_DepthSurface && device_name != 0) device->BeginDepthTarget(this);
}

void cNullTexture::EndTarget() {
    if (type == TT_DepthSurface && device->DepthTarget() == this) device->EndDepthTarget();
    if (type == TT_RenderTarget && device->ColourTarget() == this) device->EndColourTarget();
}

void cNullTexture::OnDeviceLost() {
    if (!IsRenderTargetType(type)) return;
    device->Forget(this);
    device_name = 0;
}

void cNullTexture::OnDeviceReset() {
    if (IsRenderTargetType(type) && device_name == 0) device_name = device->NewName();
}

bool cNullTexture::CreateDeviceTexture(const uint8_t* pixels) {
    device_name = device->NewName();
    if (pixels != nullptr && !IsRenderTargetType(type)) texels.assign(pixels, pixels + FaceBytes());
    return true;
}

bool cNullTexture::CreateDeviceCube(const uint8_t* const faces[6]) {
    device_name = device->NewName();
    texels.clear();
    for (int32_t face = 0; face < kCubeFaces; ++face) {
        if (faces[face] != nullptr) texels.insert(texels.end(), faces[face], faces[face] + FaceBytes());
    }
    return true;
}

std::size_t cNullTexture::FaceBytes() const {
    return static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4;
}

}  // namespace Engine
