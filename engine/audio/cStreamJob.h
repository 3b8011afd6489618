#pragma once
// cStreamJob: the decoding side of one start of a sound. It opens its own
// handle on the file when the first chunk is asked for and hands out chunks of
// 16-bit samples, about an eighth of a second each, going back to the start of
// the file when the sound loops. A file that cannot be opened or fails while
// decoding ends the job early with a failure line to report; the start then
// goes silent.
//
// A job belongs to the streaming thread once it is handed over: only that
// thread calls its operations, outside the pool's lock, so decoding never
// holds up the game.

#include <cstdint>
#include <string>
#include <vector>

#include "engine/audio/cSoundFile.h"

namespace Engine {

class cStreamJob {
public:
    // A start of the file at path; mono forces one channel (3D sounds, files of more than two channels).
    cStreamJob(std::string path, bool loop, bool mono);

    // The next chunk of samples, interleaved; empty once the job has ended.
    std::vector<int16_t> NextChunk();
    // True when no more chunks will come: the end of a sound that does not loop, or a failure.
    bool Ended() const { return ended; }
    // Channels of the chunks (1 or 2), once the first chunk was asked for.
    int Channels() const { return channels; }
    // Frames per second of the chunks, once the first chunk was asked for.
    int SampleRate() const { return file.SampleRate(); }
    // The failure to report, once; empty when there is none.
    std::string TakeFailure();

    // Frames in one chunk at a sample rate: an eighth of a second, at least 256.
    static int64_t ChunkFrames(int sample_rate);

private:
    bool OpenFile();
    bool FillChunk(std::vector<int16_t>& chunk, int64_t frames);
    void Fail(const std::string& what);

    std::string path;
    bool loop;
    bool mono;
    cSoundFile file;
    int channels = 0;
    bool opened = false;
    bool ended = false;
    int64_t frames_since_rewind = 0;  // an empty looped file must not spin
    std::string failure;
};

}  // namespace Engine
