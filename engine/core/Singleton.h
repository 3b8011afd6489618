#pragma once
// Singleton: the process-wide services of the engine and the game.
//
// A service derives from Singleton<itself>. Its single instance is created on
// the first call of Instance() and lives until Destroy(), which start-up and
// shut-down call in their fixed orders; after Destroy() the next Instance()
// creates a fresh object. Exists() asks without creating. Single thread only.

#include <memory>  // std::unique_ptr holds the instance

namespace Engine {

template <typename T>
class Singleton {
public:
    // The instance, created on first use.
    static T& Instance() {
        std::unique_ptr<T>& slot = Slot();
        if (!slot) slot.reset(new T());
        return *slot;
    }

    // True when the instance has been created and not destroyed since.
    static bool Exists() { return Slot() != nullptr; }

    // Destroys the instance; a later Instance() makes a new one.
    static void Destroy() { Slot().reset(); }

protected:
    Singleton() = default;
    ~Singleton() = default;

private:
    static std::unique_ptr<T>& Slot() {
        static std::unique_ptr<T> instance;
        return instance;
    }
};

}  // namespace Engine
