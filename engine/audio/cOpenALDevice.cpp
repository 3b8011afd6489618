#include "engine/audio/cOpenALDevice.h"

#include <AL/al.h>
#include <AL/alext.h>  // AL_SOURCE_DISTANCE_MODEL: each 3D sound picks its own roll-off
#include <AL/efx.h>     // ALC_MAX_AUXILIARY_SENDS

#include "engine/audio/Gain.h"

namespace Engine {
namespace {

// Metres per second at a distance factor of 1.
constexpr float kSpeedOfSound = 343.3f;

}  // namespace

cOpenALDevice::~cOpenALDevice() {
    Close();
}

bool cOpenALDevice::Open() {
    device = alcOpenDevice(nullptr);
    if (device == nullptr) return false;
    // No effect sends: nothing here uses them, and each costs mixer memory on every voice.
    const ALCint attributes[] = {ALC_MAX_AUXILIARY_SENDS, 0, 0};
    context = alcCreateContext(device, attributes);
    if (context == nullptr || alcMakeContextCurrent(context) == ALC_FALSE) {
        Close();
        return false;
    }
    if (alIsExtensionPresent("AL_EXT_SOURCE_DISTANCE_MODEL")) alEnable(AL_SOURCE_DISTANCE_MODEL);
    return true;
}

void cOpenALDevice::Close() {
    if (context != nullptr) {
        if (alcGetCurrentContext() == context) alcMakeContextCurrent(nullptr);
        alcDestroyContext(context);
        context = nullptr;
    }
    if (device != nullptr) {
        alcCloseDevice(device);
        device = nullptr;
    }
}

void cOpenALDevice::Set3DSettings(float doppler_scale, float distance_factor) {
    if (!IsOpen()) return;
    alDopplerFactor(doppler_scale);
    alSpeedOfSound(kSpeedOfSound * distance_factor);
}

void cOpenALDevice::SetListenerGain(float gain) {
    if (IsOpen()) alListenerf(AL_GAIN, ClampGain(gain));
}

void cOpenALDevice::SetListenerPosition(const Vector3& position) {
    if (IsOpen()) alListener3f(AL_POSITION, position.x, position.y, -position.z);
}

}  // namespace Engine
