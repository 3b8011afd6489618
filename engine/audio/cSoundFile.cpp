#include "engine/audio/cSoundFile.h"

namespace Engine {

cSoundFile::~cSoundFile() {
    if (file != nullptr) sf_close(file);
}

bool cSoundFile::Open(const std::string& path) {
    info = SF_INFO{};
    file = sf_open(path.c_str(), SFM_READ, &info);
    if (file == nullptr) {
        error = sf_strerror(nullptr);
        return false;
    }
    if (info.channels < 1 || info.samplerate < 1) {
        error = "the file has no channels or no sample rate";
        sf_close(file);
        file = nullptr;
        return false;
    }
    return true;
}

int64_t cSoundFile::Read(std::vector<int16_t>& out, int64_t frames, bool mono) {
    if (file == nullptr || frames <= 0) return 0;
    const bool averaged = mono && info.channels > 1;
    std::vector<int16_t>& target = averaged ? scratch : out;
    const size_t start = averaged ? 0 : out.size();
    target.resize(start + static_cast<size_t>(frames) * static_cast<size_t>(info.channels));
    const sf_count_t got = sf_readf_short(file, target.data() + start, frames);
    const int64_t read = got > 0 ? got : 0;
    target.resize(start + static_cast<size_t>(read) * static_cast<size_t>(info.channels));
    if (Failed()) error = sf_strerror(file);
    if (averaged) DownmixInto(out, read);
    return read;
}

void cSoundFile::DownmixInto(std::vector<int16_t>& out, int64_t frames) const {
    const size_t channels = static_cast<size_t>(info.channels);
    for (size_t frame = 0; frame < static_cast<size_t>(frames); ++frame) {
        int32_t sum = 0;
        for (size_t c = 0; c < channels; ++c) sum += scratch[frame * channels + c];
        out.push_back(static_cast<int16_t>(sum / static_cast<int32_t>(channels)));
    }
}

bool cSoundFile::Rewind() {
    if (file == nullptr) return false;
    if (sf_seek(file, 0, SEEK_SET) < 0) {
        error = sf_strerror(file);
        return false;
    }
    return true;
}

bool cSoundFile::Failed() const {
    return file != nullptr && sf_error(file) != SF_ERR_NO_ERROR;
}

}  // namespace Engine
