#include "engine/audio/cOpenALSoundManager.h"

#include <cstdio>  // the one terminal line of a silent start

#include "engine/audio/SoundCatalogue.h"
#include "engine/core/cLog.h"
#include "engine/entity/cEntity.h"

namespace Engine {
namespace {

constexpr float kDopplerScale = 1.0f;
constexpr float kDefaultDistanceFactor = 2.0f;

}  // namespace

void cOpenALSoundManager::Init() {
    if (device.IsOpen()) return;
    if (!device.Open()) {
        LogError("No sound device could be opened; the game runs silent");
        std::fputs("brambleby: no sound device could be opened; the game runs silent\n", stderr);
        return;
    }
    pool = std::make_unique<cVoicePool>();
    if (!pool->Create(kVoiceCount)) {
        LogError("The sound device gives no voices; the game runs silent");
        pool.reset();
        device.Close();
        return;
    }
    device.Set3DSettings(kDopplerScale, kDefaultDistanceFactor);
    ApplyMasterGain();
}

void cOpenALSoundManager::SetDistanceFactor(float factor) {
    if (!(factor > 0.0f)) {
        LogError("Sound distance factor " + std::to_string(factor) + " ignored: it must be above 0");
        return;
    }
    device.Set3DSettings(kDopplerScale, factor);
}

bool cOpenALSoundManager::LoadCatalogue(const std::string& file_name, const std::string& folder) {
    return ReadSoundCatalogue(folder + file_name, *this);
}

void cOpenALSoundManager::Load2D(const std::string& name, const std::string& file_name, const std::string& folder) {
    Load(name, file_name, folder, false, kRolloffLogarithmic);
}

void cOpenALSoundManager::Load3D(const std::string& name, const std::string& file_name, const std::string& folder,
                                 int32_t rolloff_model) {
    Load(name, file_name, folder, true, rolloff_model);
}

void cOpenALSoundManager::Load(const std::string& name, const std::string& file_name, const std::string& folder,
                               bool is_3d, int32_t rolloff_model) {
    if (sounds.contains(name)) return;
    SoundRecord record;
    if (!record.sound.Open(folder + file_name, is_3d)) {
        LogError("Sound \"" + name + "\" skipped: " + record.sound.path + " cannot be streamed (" +
                 record.sound.Error() + ")");
        return;
    }
    if (is_3d && cStreamedSound::IsRolloffModel(rolloff_model)) record.sound.rolloff = rolloff_model;
    record.file_name = file_name;
    sounds.emplace(name, std::move(record));
}

void cOpenALSoundManager::ReleaseAll() {
    StopAll();
    sounds.clear();
    WriteStreamFailures();
}

void cOpenALSoundManager::Play(const std::string& name, bool loop, float volume_) {
    if (enabled) Start(name, loop, volume_, Vector3());
}

void cOpenALSoundManager::Play3D(const std::string& name, const Vector3& position, bool loop, float volume_) {
    if (enabled) Start(name, loop, volume_, position);
}

// One voice per sound: a start that still plays gives way to the new one.
void cOpenALSoundManager::Start(const std::string& name, bool loop, float volume_, const Vector3& position) {
    auto found = sounds.find(name);
    if (found == sounds.end() || !pool) return;
    SoundRecord& record = found->second;
    record.channel.Stop();
    record.channel = pool->Start(record.sound, loop, volume_, position);
}

void cOpenALSoundManager::Stop(const std::string& name) {
    if (const SoundRecord* record = Find(name)) record->channel.Stop();
}

void cOpenALSoundManager::StopAll() {
    for (const auto& [name, record] : sounds) record.channel.Stop();
}

bool cOpenALSoundManager::IsPlaying(const std::string& name) const {
    const SoundRecord* record = Find(name);
    return record != nullptr && record->channel.IsPlaying();
}

void cOpenALSoundManager::SetRolloff(const std::string& name, int32_t rolloff_model) {
    SoundRecord* record = GetSound(name);
    if (record != nullptr && cStreamedSound::IsRolloffModel(rolloff_model)) record->sound.rolloff = rolloff_model;
}

void cOpenALSoundManager::SetMinMaxDistance(const std::string& name, float minimum, float maximum) {
    SoundRecord* record = GetSound(name);
    if (record == nullptr) return;
    if (!(minimum > 0.0f) || !(maximum >= minimum)) {
        LogError("Sound \"" + name + "\": distances " + std::to_string(minimum) + " to " + std::to_string(maximum) +
                 " ignored: the minimum must be above 0 and at most the maximum");
        return;
    }
    record->sound.min_distance = minimum;
    record->sound.max_distance = maximum;
}

SoundRecord* cOpenALSoundManager::GetSound(const std::string& name) {
    auto found = sounds.find(name);
    return found == sounds.end() ? nullptr : &found->second;
}

const SoundRecord* cOpenALSoundManager::Find(const std::string& name) const {
    auto found = sounds.find(name);
    return found == sounds.end() ? nullptr : &found->second;
}

void cOpenALSoundManager::Update() {
    if (!device.IsOpen()) return;
    if (listener != nullptr) device.SetListenerPosition(listener->position);
    WriteStreamFailures();
}

bool cOpenALSoundManager::SetMute(bool mute) {
    muted = mute;
    ApplyMasterGain();
    enabled = !mute;
    return enabled;
}

bool cOpenALSoundManager::IsMuted() const {
    return muted;
}

void cOpenALSoundManager::SetVolume(float volume_) {
    volume = volume_;
    ApplyMasterGain();
}

void cOpenALSoundManager::SetEnabled(bool enabled_) {
    enabled = enabled_;
}

float cOpenALSoundManager::GetVolume() const {
    return volume;
}

void cOpenALSoundManager::SetListener(const cEntity* entity) {
    listener = entity;
}

cOpenALSoundManager::~cOpenALSoundManager() {
    ReleaseAll();
    pool.reset();
    device.Close();
}

void cOpenALSoundManager::ApplyMasterGain() {
    device.SetListenerGain(muted ? 0.0f : volume);
}

void cOpenALSoundManager::WriteStreamFailures() {
    if (!pool) return;
    for (const std::string& line : pool->TakeFailures()) LogEngine(line);
}

}  // namespace Engine
