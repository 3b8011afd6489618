#pragma once
// cSoundFile: one sound file open for decoding through libsndfile (WAV, OGG
// Vorbis, FLAC and whatever else it reads), delivering 16-bit samples a piece
// at a time so nothing is ever decoded whole. Closed when destroyed.

#include <sndfile.h>  // SNDFILE and SF_INFO

#include <cstdint>
#include <string>
#include <vector>

namespace Engine {

class cSoundFile {
public:
    cSoundFile() = default;
    // Closes the file.
    ~cSoundFile();
    cSoundFile(const cSoundFile&) = delete;
    cSoundFile& operator=(const cSoundFile&) = delete;

    // Opens path for reading; false with Error() set when it is not a sound file libsndfile reads.
    bool Open(const std::string& path);
    // True between a successful Open and destruction.
    bool IsOpen() const { return file != nullptr; }
    // Channels per frame in the file.
    int Channels() const { return info.channels; }
    // Frames per second.
    int SampleRate() const { return info.samplerate; }

    // Appends up to frames frames to out as interleaved 16-bit samples, or as
    // one averaged channel when mono is asked; returns the frames appended,
    // fewer than asked at the end of the file or on a failure (see Failed).
    int64_t Read(std::vector<int16_t>& out, int64_t frames, bool mono);
    // Goes back to the first frame; false when the file cannot seek.
    bool Rewind();
    // True once decoding has met an error.
    bool Failed() const;
    // libsndfile's description of the last failure.
    const std::string& Error() const { return error; }

private:
    void DownmixInto(std::vector<int16_t>& out, int64_t frames) const;

    SNDFILE* file = nullptr;
    SF_INFO info{};
    std::vector<int16_t> scratch;  // interleaved frames waiting to be averaged
    std::string error;
};

}  // namespace Engine
