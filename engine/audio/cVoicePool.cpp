#include "engine/audio/cVoicePool.h"

#include <cassert>
#include <chrono>
#include <utility>  // std::exchange

namespace Engine {
namespace {

// How often the thread looks at the voices when nothing wakes it.
constexpr std::chrono::milliseconds kRefillInterval{10};

}  // namespace

cVoicePool::~cVoicePool() {
    Shutdown();
}

bool cVoicePool::Create(int count) {
    voices.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        cSoundVoice voice;
        if (!voice.Create()) break;
        voices.push_back(std::move(voice));
    }
    if (voices.empty()) return false;
    thread = std::thread([this] { Run(); });
    return true;
}

void cVoicePool::Shutdown() {
    {
        std::lock_guard<std::mutex> lock(mutex);
        stopping = true;
    }
    wake.notify_one();
    if (thread.joinable()) thread.join();
    for (cSoundVoice& voice : voices) voice.Destroy();
    voices.clear();
}

cSoundChannel cVoicePool::Start(const cStreamedSound& sound, bool loop, float volume, const Vector3& position) {
    if (voices.empty()) return {};
    const bool mono = sound.positional || sound.channels > 2;
    auto job = std::make_shared<cStreamJob>(sound.path, loop, mono);
    cSoundChannel channel;
    {
        std::lock_guard<std::mutex> lock(mutex);
        const size_t index = PickVoice();
        cSoundVoice& voice = voices[index];
        if (voice.Busy()) voice.Release();
        voice.Begin(std::move(job), sound, volume, position, ++starts);
        channel = cSoundChannel(this, static_cast<int32_t>(index), voice.Generation());
        start_pending = true;
    }
    wake.notify_one();
    return channel;
}

// The first free voice, else the one whose start is oldest.
size_t cVoicePool::PickVoice() const {
    size_t oldest = 0;
    for (size_t i = 0; i < voices.size(); ++i) {
        if (!voices[i].Busy()) return i;
        if (voices[i].Order() < voices[oldest].Order()) oldest = i;
    }
    return oldest;
}

bool cVoicePool::IsCurrent(int32_t voice, uint32_t generation) const {
    if (voice < 0 || static_cast<size_t>(voice) >= voices.size()) return false;
    const cSoundVoice& candidate = voices[static_cast<size_t>(voice)];
    return candidate.Busy() && candidate.Generation() == generation;
}

cSoundVoice* cVoicePool::Current(int32_t voice, uint32_t generation) {
    return IsCurrent(voice, generation) ? &voices[static_cast<size_t>(voice)] : nullptr;
}

bool cVoicePool::IsPlaying(int32_t voice, uint32_t generation) const {
    std::lock_guard<std::mutex> lock(mutex);
    return IsCurrent(voice, generation);
}

void cVoicePool::SetVolume(int32_t voice, uint32_t generation, float volume) {
    std::lock_guard<std::mutex> lock(mutex);
    if (cSoundVoice* current = Current(voice, generation)) current->SetVolume(volume);
}

void cVoicePool::Stop(int32_t voice, uint32_t generation) {
    std::lock_guard<std::mutex> lock(mutex);
    if (cSoundVoice* current = Current(voice, generation)) current->Release();
}

std::vector<std::string> cVoicePool::TakeFailures() {
    std::lock_guard<std::mutex> lock(mutex);
    return std::exchange(failures, {});
}

void cVoicePool::Run() {
    for (;;) {
        std::vector<Work> work;
        {
            std::unique_lock<std::mutex> lock(mutex);
            wake.wait_for(lock, kRefillInterval, [this] { return stopping || start_pending; });
            if (stopping) return;
            start_pending = false;
            work = CollectWork();
        }
        for (Work& item : work) {
            for (int i = 0; i < item.chunks && !item.job->Ended(); ++i) item.pcm.push_back(item.job->NextChunk());
        }
        for (Work& item : work) {
            std::lock_guard<std::mutex> lock(mutex);
            Deliver(item);
        }
    }
}

// With the lock held: frees the voices whose start has played out and lists
// the others that have room for more chunks.
std::vector<cVoicePool::Work> cVoicePool::CollectWork() {
    std::vector<Work> work;
    for (size_t i = 0; i < voices.size(); ++i) {
        cSoundVoice& voice = voices[i];
        if (!voice.Busy()) continue;
        voice.ReclaimProcessed();
        if (voice.Job()->Ended()) {
            if (voice.Queued() == 0) voice.Release();
            continue;
        }
        if (voice.FreeBuffers() > 0) work.push_back(Work{i, voice.Job(), voice.FreeBuffers(), {}});
    }
    return work;
}

// With the lock held: queues what was decoded, unless the voice was stopped
// or taken over meanwhile.
void cVoicePool::Deliver(Work& work) {
    std::string failure = work.job->TakeFailure();
    if (!failure.empty()) failures.push_back(std::move(failure));
    cSoundVoice& voice = voices[work.voice];
    if (voice.Job() != work.job) return;
    for (const std::vector<int16_t>& pcm : work.pcm) {
        if (pcm.empty()) continue;
        const bool queued = voice.Queue(pcm, work.job->Channels(), work.job->SampleRate());
        assert(queued && "only this thread queues, so the buffers counted free stay free");
        (void)queued;
    }
    voice.KeepPlaying();
    if (work.job->Ended() && voice.Queued() == 0) voice.Release();
}

}  // namespace Engine
