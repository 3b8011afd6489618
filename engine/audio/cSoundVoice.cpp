#include "engine/audio/cSoundVoice.h"

#include <utility>

#include "engine/audio/Gain.h"

namespace Engine {

bool cSoundVoice::Create() {
    alGetError();
    alGenSources(1, &source);
    if (alGetError() != AL_NO_ERROR) return false;
    alGenBuffers(kBufferCount, buffers.data());
    if (alGetError() != AL_NO_ERROR) {
        alDeleteSources(1, &source);
        return false;
    }
    free_buffers.assign(buffers.begin(), buffers.end());
    return true;
}

void cSoundVoice::Destroy() {
    Release();
    alDeleteSources(1, &source);
    alDeleteBuffers(kBufferCount, buffers.data());
    free_buffers.clear();
}

void cSoundVoice::Begin(std::shared_ptr<cStreamJob> start_job, const cStreamedSound& sound, float volume,
                        const Vector3& position, uint64_t start_order) {
    job = std::move(start_job);
    order = start_order;
    SetVolume(volume);
    Place(sound, position);
}

void cSoundVoice::Place(const cStreamedSound& sound, const Vector3& position) {
    if (!sound.positional) {
        alSourcei(source, AL_SOURCE_RELATIVE, AL_TRUE);
        alSource3f(source, AL_POSITION, 0.0f, 0.0f, 0.0f);
        alSourcef(source, AL_ROLLOFF_FACTOR, 0.0f);
        return;
    }
    alSourcei(source, AL_SOURCE_RELATIVE, AL_FALSE);
    alSource3f(source, AL_POSITION, position.x, position.y, -position.z);
    alSource3f(source, AL_VELOCITY, 0.0f, 0.0f, 0.0f);
    alSourcei(source, AL_DISTANCE_MODEL,
              sound.rolloff == kRolloffLinear ? AL_LINEAR_DISTANCE_CLAMPED : AL_INVERSE_DISTANCE_CLAMPED);
    alSourcef(source, AL_REFERENCE_DISTANCE, sound.min_distance);
    alSourcef(source, AL_MAX_DISTANCE, sound.max_distance);
    alSourcef(source, AL_ROLLOFF_FACTOR, 1.0f);
}

void cSoundVoice::Release() {
    // Rewound rather than stopped: a source in its initial state counts none of
    // the buffers queued next as played, so the refill never takes them back early.
    alSourceRewind(source);
    alSourcei(source, AL_BUFFER, 0);
    free_buffers.assign(buffers.begin(), buffers.end());
    job.reset();
    ++generation;
}

void cSoundVoice::SetVolume(float volume) {
    alSourcef(source, AL_GAIN, ClampGain(volume));
}

void cSoundVoice::ReclaimProcessed() {
    ALint processed = 0;
    alGetSourcei(source, AL_BUFFERS_PROCESSED, &processed);
    for (; processed > 0; --processed) {
        ALuint buffer = 0;
        alSourceUnqueueBuffers(source, 1, &buffer);
        free_buffers.push_back(buffer);
    }
}

bool cSoundVoice::Queue(const std::vector<int16_t>& pcm, int channels, int sample_rate) {
    if (free_buffers.empty()) return false;
    const ALuint buffer = free_buffers.back();
    free_buffers.pop_back();
    const ALenum format = channels == 2 ? AL_FORMAT_STEREO16 : AL_FORMAT_MONO16;
    alBufferData(buffer, format, pcm.data(), static_cast<ALsizei>(pcm.size() * sizeof(int16_t)), sample_rate);
    alSourceQueueBuffers(source, 1, &buffer);
    return true;
}

void cSoundVoice::KeepPlaying() {
    ALint state = AL_STOPPED;
    alGetSourcei(source, AL_SOURCE_STATE, &state);
    if (state != AL_PLAYING && Queued() > 0) alSourcePlay(source);
}

}  // namespace Engine
