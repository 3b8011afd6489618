#pragma once
// cOpenALSoundManager: the sound manager on OpenAL Soft, with libsndfile
// decoding every sound as it plays.
//
// Each catalogued sound is a stream: loading only checks its file, and every
// start reads the file afresh on a voice of the pool, whose own thread keeps
// the queues filled (see cVoicePool). The master volume and mute are the
// listener's gain. Without an output device (Init failed, or was never
// called) the catalogue still loads and answers, and every start is silent.

#include <map>
#include <memory>
#include <string>

#include "engine/audio/cOpenALDevice.h"
#include "engine/audio/cVoicePool.h"
#include "engine/audio/iSoundManager.h"

namespace Engine {

class cOpenALSoundManager : public iSoundManager {
public:
    // Enabled, unmuted, at volume 1, with no catalogue, output or listener.
    cOpenALSoundManager() = default;
    cOpenALSoundManager(const cOpenALSoundManager&) = delete;
    cOpenALSoundManager& operator=(const cOpenALSoundManager&) = delete;

    // Voices the output is opened with.
    static constexpr int kVoiceCount = 100;

    // The operations of iSoundManager, in its slot order; see there.
    void Init() override;
    void SetDistanceFactor(float factor) override;
    bool LoadCatalogue(const std::string& file_name, const std::string& folder) override;
    void Load2D(const std::string& name, const std::string& file_name, const std::string& folder) override;
    void Load3D(const std::string& name, const std::string& file_name, const std::string& folder,
                int32_t rolloff_model) override;
    void ReleaseAll() override;
    void Play(const std::string& name, bool loop, float volume) override;
    void Stop(const std::string& name) override;
    void StopAll() override;
    bool IsPlaying(const std::string& name) const override;
    void SetRolloff(const std::string& name, int32_t rolloff_model) override;
    void SetMinMaxDistance(const std::string& name, float minimum, float maximum) override;
    void Play3D(const std::string& name, const Vector3& position, bool loop, float volume) override;
    SoundRecord* GetSound(const std::string& name) override;
    void Update() override;
    bool SetMute(bool mute) override;
    bool IsMuted() const override;
    void SetVolume(float volume) override;
    void SetEnabled(bool enabled) override;
    float GetVolume() const override;
    void SetListener(const cEntity* entity) override;
    ~cOpenALSoundManager() override;

private:
    const SoundRecord* Find(const std::string& name) const;
    void Load(const std::string& name, const std::string& file_name, const std::string& folder, bool is_3d,
              int32_t rolloff_model);
    void Start(const std::string& name, bool loop, float volume, const Vector3& position);
    void ApplyMasterGain();
    void WriteStreamFailures();

    cOpenALDevice device;              // the output; opened by Init, closed last
    std::unique_ptr<cVoicePool> pool;  // null without an output
    std::map<std::string, SoundRecord> sounds;
    bool enabled = true;
    const cEntity* listener = nullptr;
    float volume = 1.0f;
    bool muted = false;
};

}  // namespace Engine
