#include "engine/audio/cStreamJob.h"

#include <algorithm>  // std::max for the chunk size
#include <utility>

namespace Engine {

cStreamJob::cStreamJob(std::string path_, bool loop_, bool mono_)
    : path(std::move(path_)), loop(loop_), mono(mono_) {}

int64_t cStreamJob::ChunkFrames(int sample_rate) {
    return std::max<int64_t>(256, sample_rate / 8);
}

std::vector<int16_t> cStreamJob::NextChunk() {
    std::vector<int16_t> chunk;
    if (ended || (!opened && !OpenFile())) return chunk;
    const int64_t frames = ChunkFrames(file.SampleRate());
    chunk.reserve(static_cast<size_t>(frames * channels));
    if (!FillChunk(chunk, frames)) ended = true;
    return chunk;
}

bool cStreamJob::OpenFile() {
    opened = true;
    if (!file.Open(path)) {
        Fail("cannot be opened (" + file.Error() + ")");
        return false;
    }
    channels = (mono || file.Channels() > 2) ? 1 : file.Channels();
    return true;
}

// Reads until the chunk is full, rewinding a looped sound at its end; false
// when the sound ended (the chunk may still hold its last samples).
bool cStreamJob::FillChunk(std::vector<int16_t>& chunk, int64_t frames) {
    const bool downmix = channels == 1;
    for (int64_t filled = 0; filled < frames;) {
        const int64_t wanted = frames - filled;
        const int64_t got = file.Read(chunk, wanted, downmix);
        if (file.Failed()) {
            Fail("failed while decoding (" + file.Error() + ")");
            return false;
        }
        filled += got;
        frames_since_rewind += got;
        if (got == wanted) continue;
        // The end of the file: a sound that does not loop, or holds no samples at all, ends here.
        if (!loop || frames_since_rewind == 0) return false;
        if (!file.Rewind()) {
            Fail("cannot seek back to loop (" + file.Error() + ")");
            return false;
        }
        frames_since_rewind = 0;
    }
    return true;
}

void cStreamJob::Fail(const std::string& what) {
    failure = "Error: The sound file " + path + " " + what + "; it goes silent";
    ended = true;
}

std::string cStreamJob::TakeFailure() {
    return std::exchange(failure, std::string());
}

}  // namespace Engine
