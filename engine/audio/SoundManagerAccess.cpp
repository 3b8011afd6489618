#include "engine/audio/SoundManagerAccess.h"

#include "engine/audio/cOpenALSoundManager.h"

namespace Engine {
namespace {

std::unique_ptr<iSoundManager>& Slot() {
    static std::unique_ptr<iSoundManager> manager;
    return manager;
}

}  // namespace

iSoundManager* GetSoundManager() {
    return Slot().get();
}

void CreateSoundManager() {
    DestroySoundManager();  // one output at a time: OpenAL's current context is process-wide
    auto manager = std::make_unique<cOpenALSoundManager>();
    manager->Init();
    InstallSoundManager(std::move(manager));
}

void InstallSoundManager(std::unique_ptr<iSoundManager> manager) {
    Slot() = std::move(manager);
}

void DestroySoundManager() {
    Slot().reset();
}

}  // namespace Engine
