#pragma once
// cSoundVoice: one OpenAL source and the small ring of buffers that streams a
// sound into it. A voice is free or busy with one start (its job); releasing
// it stops the source, empties its queue and raises its generation, which is
// what makes older channel handles stale.
//
// 2D starts play relative to the listener at its own position with no
// fading; 3D starts are mono sources placed in the world (z negated, since the
// game's coordinates are left-handed and OpenAL's right-handed) with their own
// distance model. Every call is made with the voice pool's lock held.

#include <AL/al.h>  // ALuint source and buffer names

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "engine/audio/cStreamJob.h"
#include "engine/audio/cStreamedSound.h"
#include "engine/core/Vector3.h"

namespace Engine {

class cSoundVoice {
public:
    // Chunks queued ahead: about half a second, so a stalled refill does not starve the source.
    static constexpr int kBufferCount = 4;

    // Generates the source and its buffers; false when the device refuses.
    bool Create();
    // Deletes the source and its buffers.
    void Destroy();

    // Takes a start: its job, volume and placement. The voice must be free.
    void Begin(std::shared_ptr<cStreamJob> start_job, const cStreamedSound& sound, float volume,
               const Vector3& position, uint64_t order);
    // Ends the current start and frees the voice for another.
    void Release();
    // Sets the source's gain, clamped to 0..1.
    void SetVolume(float volume);

    // Takes back the buffers the source has finished playing.
    void ReclaimProcessed();
    // Queues one chunk; false when every buffer is already queued.
    bool Queue(const std::vector<int16_t>& pcm, int channels, int sample_rate);
    // Plays the source when it has queued data but stands still (a new start, or a refill after running dry).
    void KeepPlaying();

    // True while the voice holds a start.
    bool Busy() const { return job != nullptr; }
    // The current start's job, null when free.
    const std::shared_ptr<cStreamJob>& Job() const { return job; }
    // Buffers free for new chunks.
    int FreeBuffers() const { return static_cast<int>(free_buffers.size()); }
    // Chunks queued and not yet taken back.
    int Queued() const { return kBufferCount - FreeBuffers(); }
    // Raised by every release.
    uint32_t Generation() const { return generation; }
    // When the current start began, counted over the pool; older starts are taken over first.
    uint64_t Order() const { return order; }

private:
    void Place(const cStreamedSound& sound, const Vector3& position);

    ALuint source = 0;
    std::array<ALuint, kBufferCount> buffers{};
    std::vector<ALuint> free_buffers;
    uint32_t generation = 0;
    uint64_t order = 0;
    std::shared_ptr<cStreamJob> job;
};

}  // namespace Engine
