#include "engine/audio/cSoundChannel.h"

#include "engine/audio/cVoicePool.h"

namespace Engine {

cSoundChannel::cSoundChannel(cVoicePool* pool_, int32_t voice_, uint32_t generation_)
    : pool(pool_), voice(voice_), generation(generation_) {}

bool cSoundChannel::IsPlaying() const {
    return pool != nullptr && pool->IsPlaying(voice, generation);
}

void cSoundChannel::SetVolume(float volume) const {
    if (pool != nullptr) pool->SetVolume(voice, generation, volume);
}

void cSoundChannel::Stop() const {
    if (pool != nullptr) pool->Stop(voice, generation);
}

}  // namespace Engine
