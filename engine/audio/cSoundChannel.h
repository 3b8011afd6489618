#pragma once
// cSoundChannel: a handle to one start of a sound on one voice of the pool.
//
// Voices are reused: once a start ends, is stopped, or is taken over by a
// newer start, its voice may play another sound. Every reuse raises the
// voice's generation, and a handle whose generation no longer matches is
// stale: it reports false and changes nothing. So a channel left in a record
// never touches a voice that now plays something else.
//
// A handle is a plain value; it is valid only while the sound manager that
// made it lives.

#include <cstdint>

namespace Engine {

class cVoicePool;

class cSoundChannel {
public:
    // No channel: reports false and changes nothing.
    cSoundChannel() = default;
    // The start on voice whose generation was generation when it began.
    cSoundChannel(cVoicePool* pool, int32_t voice, uint32_t generation);

    // True while this start still plays.
    bool IsPlaying() const;
    // Sets this start's volume, clamped to 0..1; nothing once it has ended.
    void SetVolume(float volume) const;
    // Stops this start; nothing once it has ended.
    void Stop() const;

    // True when the handle names a start at all, playing or not.
    bool IsSet() const { return pool != nullptr; }
    // The voice index, -1 for no channel.
    int32_t Voice() const { return voice; }
    // The voice's generation when this start began.
    uint32_t Generation() const { return generation; }

    // Same pool, voice and generation: the same start.
    bool operator==(const cSoundChannel& other) const = default;

private:
    cVoicePool* pool = nullptr;
    int32_t voice = -1;
    uint32_t generation = 0;
};

}  // namespace Engine
