#include "engine/audio/cStreamedSound.h"

#include <algorithm>  // std::replace for the separators

#include "engine/audio/cSoundFile.h"

namespace Engine {

bool cStreamedSound::Open(const std::string& file_path, bool is_3d) {
    path = file_path;
    std::replace(path.begin(), path.end(), '\\', '/');
    positional = is_3d;
    cSoundFile probe;
    if (!probe.Open(path)) {
        error = probe.Error();
        return false;
    }
    channels = probe.Channels();
    sample_rate = probe.SampleRate();
    return true;
}

}  // namespace Engine
