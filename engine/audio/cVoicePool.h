#pragma once
// cVoicePool: the fixed set of voices every start plays on, and the streaming
// thread that keeps them fed.
//
// A start takes a free voice, or the voice of the oldest start when every one
// is busy, and returns a channel handle stamped with the voice's generation.
// The thread wakes at once for a new start and every few milliseconds besides:
// it takes back finished buffers, decodes the next chunks of every busy voice
// without holding the lock, then queues them voice by voice, restarting a
// source that ran dry and freeing the voice of a start that has played out.
// About half a second stays queued per voice, so the game's own frame time,
// however long, never starves a stream.
//
// Failures met by the thread (a file that vanished or stopped decoding) are
// kept as log lines for the main thread to write, since only it logs.

#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "engine/audio/cSoundChannel.h"
#include "engine/audio/cSoundVoice.h"
#include "engine/audio/cStreamedSound.h"
#include "engine/core/Vector3.h"

namespace Engine {

class cVoicePool {
public:
    cVoicePool() = default;
    // Stops the thread and deletes every voice.
    ~cVoicePool();
    cVoicePool(const cVoicePool&) = delete;
    cVoicePool& operator=(const cVoicePool&) = delete;

    // Creates count voices on the current OpenAL context and starts the thread;
    // false when the device gives none.
    bool Create(int count);
    // The voices created.
    int Size() const { return static_cast<int>(voices.size()); }

    // Starts sound on a voice; a 3D sound is placed at position. No channel when the pool is empty.
    cSoundChannel Start(const cStreamedSound& sound, bool loop, float volume, const Vector3& position);
    // True while the start named by voice and generation plays.
    bool IsPlaying(int32_t voice, uint32_t generation) const;
    // Sets that start's volume; nothing when it has ended.
    void SetVolume(int32_t voice, uint32_t generation, float volume);
    // Stops that start; nothing when it has ended.
    void Stop(int32_t voice, uint32_t generation);

    // The failure lines met since the last call, oldest first.
    std::vector<std::string> TakeFailures();

private:
    // One busy voice's share of a streaming pass.
    struct Work {
        size_t voice;
        std::shared_ptr<cStreamJob> job;
        int chunks;
        std::vector<std::vector<int16_t>> pcm;
    };

    bool IsCurrent(int32_t voice, uint32_t generation) const;
    cSoundVoice* Current(int32_t voice, uint32_t generation);
    size_t PickVoice() const;
    void Run();
    std::vector<Work> CollectWork();
    void Deliver(Work& work);
    void Shutdown();

    std::vector<cSoundVoice> voices;
    mutable std::mutex mutex;  // guards the voices, the flags and the failures
    std::condition_variable wake;
    std::thread thread;
    bool stopping = false;
    bool start_pending = false;
    uint64_t starts = 0;
    std::vector<std::string> failures;
};

}  // namespace Engine
