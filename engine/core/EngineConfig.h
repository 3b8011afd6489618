#pragma once
// EngineConfig: what engine initialisation is told about the devices to open.

#include <cstdint>  // int32_t

namespace Engine {

struct EngineConfig {
    int32_t renderer_kind = 0;   // 1: the OpenGL device layer; anything else: no renderer
    int32_t present_mode = 0;    // 1: present without waiting for the vertical retrace
    bool renderer_flag = false;  // read by the renderer when it sets its device up
    int32_t sound_kind = 0;      // 1: the sound manager; anything else: no sound
};

}  // namespace Engine
