#pragma once
// eDeviceResetStage: the groups of device-object holders, in the order they
// release their objects before a device reset. They are restored in the
// order meshes, textures, fonts, particle systems.

#include <cstdint>

namespace Engine {

enum class eDeviceResetStage : int32_t {
    ParticleSystems = 0,
    Textures = 1,
    Fonts = 2,
    Meshes = 3,
};

}  // namespace Engine
