#pragma once
// Gains as the sound layer applies them: volumes outside 0..1 are clamped, as
// the game passes 25.0 for its music and expects full volume, not distortion;
// a value that is not a number is silence.

namespace Engine {

// volume limited to 0..1; NaN gives 0.
inline float ClampGain(float volume) {
    if (!(volume > 0.0f)) return 0.0f;
    return volume < 1.0f ? volume : 1.0f;
}

}  // namespace Engine
