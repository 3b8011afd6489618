#pragma once
// iSoundManager: the one service every sound of the game goes through.
//
// Game code plays, stops and queries sounds by their catalogue name and
// controls the master output; it never holds a device object. The catalogue
// is read once at game start; a name that is not in it makes every operation
// that takes a name do nothing, and queries answer false or null.
//
// Each catalogued sound has one voice: starting it while it still plays
// restarts it from its beginning, and its record's channel then names the new
// start only. Callers that must not restart a sound ask IsPlaying first.
//
// While the manager is disabled (muted through SetMute, or SetEnabled(false))
// Play and Play3D do nothing at all: a sound requested then stays silent when
// sound comes back, until it is started again.
//
// The operations keep their fixed slot order; the destructor is the last slot.
// Start-up creates the process-wide instance only for sound kind 1 (see
// SoundManagerAccess.h), so callers test for its absence.

#include <cstdint>
#include <string>

#include "engine/audio/SoundRecord.h"
#include "engine/core/Vector3.h"

namespace Engine {

class cEntity;

class iSoundManager {
public:
    // Opens the output with 100 voices and the 3D settings (Doppler 1, distance factor 2, roll-off 1).
    virtual void Init() = 0;
    // Sets the world units per metre that Doppler shifts are computed in.
    virtual void SetDistanceFactor(float factor) = 0;
    // Reads the catalogue folder + file_name; false when it cannot be opened or parsed.
    virtual bool LoadCatalogue(const std::string& file_name, const std::string& folder) = 0;
    // Catalogues a 2D sound streamed from folder + file_name; the first definition of a name wins.
    virtual void Load2D(const std::string& name, const std::string& file_name, const std::string& folder) = 0;
    // Catalogues a 3D sound with a roll-off model (0 logarithmic, 1 linear).
    virtual void Load3D(const std::string& name, const std::string& file_name, const std::string& folder,
                        int32_t rolloff_model) = 0;
    // Stops and forgets every catalogued sound (game shut-down).
    virtual void ReleaseAll() = 0;
    // Starts a sound with a volume (clamped to 0..1), looping endlessly when asked; a 3D sound stands at the origin.
    virtual void Play(const std::string& name, bool loop, float volume) = 0;
    // Stops the latest start of a sound.
    virtual void Stop(const std::string& name) = 0;
    // Stops the latest start of every sound; the catalogue stays.
    virtual void StopAll() = 0;
    // True while the latest start of a sound plays.
    virtual bool IsPlaying(const std::string& name) const = 0;
    // Changes the roll-off model (0 or 1) a 3D sound's later starts use; other models change nothing.
    virtual void SetRolloff(const std::string& name, int32_t rolloff_model) = 0;
    // Sets the distances a 3D sound's later starts fade between.
    virtual void SetMinMaxDistance(const std::string& name, float minimum, float maximum) = 0;
    // Starts a sound at a world position; a 3D sound is placed there, a 2D one plays as by Play.
    virtual void Play3D(const std::string& name, const Vector3& position, bool loop, float volume) = 0;
    // The sound's record, for callers that adjust its channel themselves; null for an unknown name.
    virtual SoundRecord* GetSound(const std::string& name) = 0;
    // Once per frame: moves the 3D listener to the listener entity and reports stream failures.
    virtual void Update() = 0;
    // Mutes or unmutes the master output and disables or enables new starts; returns the new enabled state.
    virtual bool SetMute(bool mute) = 0;
    // True while the master output is muted.
    virtual bool IsMuted() const = 0;
    // Sets the master volume (applied clamped to 0..1).
    virtual void SetVolume(float volume) = 0;
    // Allows or refuses new starts without touching the mute state.
    virtual void SetEnabled(bool enabled) = 0;
    // The last volume given to SetVolume; 1.0 before the first.
    virtual float GetVolume() const = 0;
    // The entity whose position is the 3D listener's (not owned); null for none.
    virtual void SetListener(const cEntity* entity) = 0;
    // Releases every sound and then the output.
    virtual ~iSoundManager() = default;
};

}  // namespace Engine
