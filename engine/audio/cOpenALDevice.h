#pragma once
// cOpenALDevice: the sound output: OpenAL Soft's default device with one
// context made current for the whole process, and the listener that stands in
// for the master output (its gain is the master volume and mute) and for the
// 3D listener. Which backend plays is OpenAL Soft's choice, steered by
// ALSOFT_DRIVERS: "null" for headless runs, "wave" for tests that check what
// was played. With no usable device Open fails and the game runs silent.

#include <AL/alc.h>  // ALCdevice and ALCcontext

#include "engine/core/Vector3.h"

namespace Engine {

class cOpenALDevice {
public:
    cOpenALDevice() = default;
    // Closes the device.
    ~cOpenALDevice();
    cOpenALDevice(const cOpenALDevice&) = delete;
    cOpenALDevice& operator=(const cOpenALDevice&) = delete;

    // Opens the default device and makes its context current; false when there is none.
    bool Open();
    // Releases the context and the device, finishing any output file.
    void Close();
    // True between a successful Open and Close.
    bool IsOpen() const { return context != nullptr; }

    // Doppler scale and world units per metre (which scale the speed of sound).
    void Set3DSettings(float doppler_scale, float distance_factor);
    // The gain every voice passes through, clamped to 0..1.
    void SetListenerGain(float gain);
    // Places the listener at a game position (z negated for OpenAL).
    void SetListenerPosition(const Vector3& position);

private:
    ALCdevice* device = nullptr;
    ALCcontext* context = nullptr;
};

}  // namespace Engine
