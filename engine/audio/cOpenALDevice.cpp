#include "engine/audio/cOpenALDevice.h"

#include <AL/al.h>
#include <AL/alext.h>  // AL_SOURCE_DISTANCE_MODEL: each 3D sound picks its own roll-off
#include <AL/efx.h>     // ALC_MAX_AUXILIARY_SENDS
#include <dlfcn.h>      // dlopen: ALSA's error handler, set without linking ALSA
#include <stdlib.h>     // setenv: OpenAL Soft reads its log level from the environment

#include "engine/audio/Gain.h"

namespace Engine {
namespace {

// Metres per second at a distance factor of 1.
constexpr float kSpeedOfSound = 343.3f;

// ALSA's error handler type; variadic like printf.
using AlsaErrorHandler = void (*)(const char* file, int line, const char* function, int error, const char* format,
                                  ...);

void IgnoreAlsaError(const char*, int, const char*, int, const char*, ...) {}

// A machine without a sound device is an ordinary case: the sound manager
// logs one line and the game runs silent. Without this, OpenAL Soft and the
// ALSA library it loads print screens of their own diagnostics to the
// terminal. An explicit ALSOFT_LOGLEVEL still wins. ALSA is opened by name,
// the same instance OpenAL Soft loads, so the quiet handler applies to it;
// the handle stays open so that the library keeps the handler.
void QuietAudioLibraries() {
    setenv("ALSOFT_LOGLEVEL", "0", 0);
    void* alsa = dlopen("libasound.so.2", RTLD_LAZY);
    if (alsa == nullptr) return;
    using SetHandler = int (*)(AlsaErrorHandler);
    if (auto set_handler = reinterpret_cast<SetHandler>(dlsym(alsa, "snd_lib_error_set_handler"))) {
        set_handler(&IgnoreAlsaError);
    }
}

}  // namespace

cOpenALDevice::~cOpenALDevice() {
    Close();
}

bool cOpenALDevice::Open() {
    QuietAudioLibraries();
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
