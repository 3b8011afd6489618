#pragma once
// Helpers for the sound tests: tone files written with libsndfile, and what
// OpenAL Soft's wave output recorded. The test program's environment points
// OpenAL Soft at a configuration of its own (mono 16-bit samples at 22050 Hz
// written to a file in a folder of this process), so every device opened in a
// test records what it played, and the file is complete once the device closes.

#include <sndfile.h>  // SF_FORMAT_* for the tone files

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace AudioTest {

// The mixing rate of the recorded output.
inline constexpr int kOutputRate = 22050;
// Peak of every tone written.
inline constexpr int kToneAmplitude = 16000;
// Recorded samples this loud or louder count as heard.
inline constexpr int kHeard = 200;

inline constexpr int kWav = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
inline constexpr int kOgg = SF_FORMAT_OGG | SF_FORMAT_VORBIS;

// Writes a sine tone of kToneAmplitude; false when libsndfile refuses.
bool WriteTone(const std::string& path, int format, double seconds, int channels = 1, int sample_rate = kOutputRate);
// Writes a file of constant samples, one value per channel (for mixing checks).
bool WriteConstant(const std::string& path, int64_t frames, const std::vector<int16_t>& channel_values,
                   int sample_rate = kOutputRate);

// What the output recorded, read after its device closed.
struct Recording {
    std::vector<int16_t> samples;

    // The largest magnitude anywhere.
    int Peak() const;
    // The largest magnitude from second `from` to the end.
    int PeakAfter(double from) const;
    // Seconds between the first and the last heard sample; 0 when nothing was heard.
    double HeardSpan() const;
    // Seconds of the longest quiet stretch between the first and the last heard sample.
    double LongestGap() const;
    // Seconds from the last heard sample to the end of the recording; 0 when nothing was heard.
    double SilenceAtEnd() const;
};

// The path OpenAL Soft writes its output to in this process.
const std::string& OutputPath();
// Reads the recorded output (empty when there is none).
Recording ReadOutput();

// Polls condition every few milliseconds for up to seconds; true once it holds.
bool WaitUntil(const std::function<bool()>& condition, double seconds);
// Lets the output play on for a while.
void Wait(double seconds);

}  // namespace AudioTest
