#pragma once
// SoundRecord: what the sound manager keeps for one catalogued sound: the
// stream it plays from, the channel of its latest start and the file name the
// catalogue gave it. A caller may fetch a record (iSoundManager::GetSound) and
// set the volume of its current channel directly; the channel is a handle that
// goes stale when that start ends, so an old one is always safe to use.

#include <string>

#include "engine/audio/cSoundChannel.h"
#include "engine/audio/cStreamedSound.h"

namespace Engine {

struct SoundRecord {
    cStreamedSound sound;   // the stream, owned
    cSoundChannel channel;  // the latest start; none before the first
    std::string file_name;  // as the catalogue names it, without its folder
};

}  // namespace Engine
