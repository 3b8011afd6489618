#pragma once
// cStreamedSound: a catalogued sound as the manager keeps it: which file it
// streams from and how its starts are set up. Nothing is decoded here; loading
// only checks that the file opens as a sound and notes its format, so a long
// music track costs a few bytes until it plays, and each start streams the
// file afresh.
//
// 3D sounds play as mono voices placed in the world and fade with distance by
// their roll-off model between the minimum and maximum distances; 2D sounds
// play as they were recorded (mono or stereo) and never fade.

#include <cstdint>
#include <string>

namespace Engine {

// Roll-off models of 3D sounds: gain = minimum / distance, clamped.
inline constexpr int32_t kRolloffLogarithmic = 0;
// Gain falls in a straight line from 1 at the minimum to 0 at the maximum distance.
inline constexpr int32_t kRolloffLinear = 1;

class cStreamedSound {
public:
    // Checks that file_path ("\" read as "/") opens as a sound; false (with
    // Error() set) leaves the sound unusable.
    bool Open(const std::string& file_path, bool is_3d);
    // Why the last Open failed.
    const std::string& Error() const { return error; }

    // True for roll-off models 0 and 1, the only ones a sound takes.
    static bool IsRolloffModel(int32_t model) { return model == kRolloffLogarithmic || model == kRolloffLinear; }

    std::string path;             // the file streamed, separators normalised
    bool positional = false;      // a 3D sound
    int32_t rolloff = kRolloffLogarithmic;
    float min_distance = 1.0f;    // full volume up to here
    float max_distance = 10000.0f;  // no further fading past here
    int channels = 0;             // as found when loaded
    int sample_rate = 0;

private:
    std::string error;
};

}  // namespace Engine
