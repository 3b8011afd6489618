#include "tests/engine/audio/AudioTestSupport.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>  // std::abs of samples
#include <thread>

namespace AudioTest {
namespace {

bool WriteFrames(const std::string& path, int format, int channels, int sample_rate,
                 const std::vector<int16_t>& interleaved) {
    SF_INFO info{};
    info.samplerate = sample_rate;
    info.channels = channels;
    info.format = format;
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    if (file == nullptr) return false;
    const sf_count_t frames = static_cast<sf_count_t>(interleaved.size()) / channels;
    const bool written = sf_writef_short(file, interleaved.data(), frames) == frames;
    sf_close(file);
    return written;
}

int Magnitude(int16_t sample) {
    return std::abs(static_cast<int>(sample));
}

}  // namespace

bool WriteTone(const std::string& path, int format, double seconds, int channels, int sample_rate) {
    const size_t frames = static_cast<size_t>(seconds * sample_rate);
    std::vector<int16_t> samples;
    samples.reserve(frames * static_cast<size_t>(channels));
    for (size_t i = 0; i < frames; ++i) {
        const double value = kToneAmplitude * std::sin(2.0 * 3.14159265358979 * 441.0 * i / sample_rate);
        for (int c = 0; c < channels; ++c) samples.push_back(static_cast<int16_t>(std::lround(value)));
    }
    return WriteFrames(path, format, channels, sample_rate, samples);
}

bool WriteConstant(const std::string& path, int64_t frames, const std::vector<int16_t>& channel_values,
                   int sample_rate) {
    std::vector<int16_t> samples;
    for (int64_t i = 0; i < frames; ++i) samples.insert(samples.end(), channel_values.begin(), channel_values.end());
    return WriteFrames(path, kWav, static_cast<int>(channel_values.size()), sample_rate, samples);
}

int Recording::Peak() const {
    return PeakAfter(0.0);
}

int Recording::PeakAfter(double from) const {
    int peak = 0;
    for (size_t i = static_cast<size_t>(from * kOutputRate); i < samples.size(); ++i) {
        peak = std::max(peak, Magnitude(samples[i]));
    }
    return peak;
}

double Recording::HeardSpan() const {
    auto heard = [](int16_t s) { return Magnitude(s) >= kHeard; };
    auto first = std::find_if(samples.begin(), samples.end(), heard);
    if (first == samples.end()) return 0.0;
    auto last = std::find_if(samples.rbegin(), samples.rend(), heard);
    return static_cast<double>(std::distance(first, last.base())) / kOutputRate;
}

double Recording::LongestGap() const {
    size_t longest = 0;
    size_t run = 0;
    bool started = false;
    for (int16_t sample : samples) {
        if (Magnitude(sample) >= kHeard) {
            if (started) longest = std::max(longest, run);
            started = true;
            run = 0;
        } else {
            ++run;
        }
    }
    return static_cast<double>(longest) / kOutputRate;
}

double Recording::SilenceAtEnd() const {
    auto heard = [](int16_t s) { return Magnitude(s) >= kHeard; };
    auto last = std::find_if(samples.rbegin(), samples.rend(), heard);
    if (last == samples.rend()) return 0.0;
    return static_cast<double>(std::distance(samples.rbegin(), last)) / kOutputRate;
}

Recording ReadOutput() {
    Recording recording;
    SF_INFO info{};
    SNDFILE* file = sf_open(OutputPath().c_str(), SFM_READ, &info);
    if (file == nullptr) return recording;
    recording.samples.resize(static_cast<size_t>(info.frames * info.channels));
    const auto wanted = static_cast<sf_count_t>(recording.samples.size());
    const sf_count_t read = sf_read_short(file, recording.samples.data(), wanted);
    recording.samples.resize(static_cast<size_t>(std::max<sf_count_t>(read, 0)));
    sf_close(file);
    return recording;
}

bool WaitUntil(const std::function<bool()>& condition, double seconds) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

void Wait(double seconds) {
    std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
}

}  // namespace AudioTest
