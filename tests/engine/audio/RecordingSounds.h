#pragma once
// RecordingSounds: a sound manager for tests that writes down what is played
// and stopped instead of making sound. Each event goes to the log as
// "once <name>", "loop <name>" or "stop <name>" (3D sounds like 2D ones),
// and the volume of every play goes to volumes, in the same order.

#include <string>
#include <vector>

#include "engine/audio/iSoundManager.h"

class RecordingSounds : public Engine::iSoundManager {
public:
    explicit RecordingSounds(std::vector<std::string>& log, std::vector<float>* volumes = nullptr)
        : events(log), played_volumes(volumes) {}
    void Init() override {}
    void SetDistanceFactor(float) override {}
    bool LoadCatalogue(const std::string&, const std::string&) override { return true; }
    void Load2D(const std::string&, const std::string&, const std::string&) override {}
    void Load3D(const std::string&, const std::string&, const std::string&, int32_t) override {}
    void ReleaseAll() override {}
    void Play(const std::string& name, bool loop, float volume) override {
        events.push_back((loop ? "loop " : "once ") + name);
        if (played_volumes != nullptr) played_volumes->push_back(volume);
    }
    void Stop(const std::string& name) override { events.push_back("stop " + name); }
    void StopAll() override {}
    bool IsPlaying(const std::string&) const override { return false; }
    void SetRolloff(const std::string&, int32_t) override {}
    void SetMinMaxDistance(const std::string&, float, float) override {}
    void Play3D(const std::string& name, const Engine::Vector3&, bool loop, float volume) override {
        Play(name, loop, volume);
    }
    Engine::SoundRecord* GetSound(const std::string&) override { return nullptr; }
    void Update() override {}
    bool SetMute(bool) override { return true; }
    bool IsMuted() const override { return false; }
    void SetVolume(float) override {}
    void SetEnabled(bool) override {}
    float GetVolume() const override { return 1.0f; }
    void SetListener(const Engine::cEntity*) override {}

private:
    std::vector<std::string>& events;
    std::vector<float>* played_volumes;
};
