#pragma once
// cEngineSettings: the process-wide record of start-up choices that engine
// services read later: the engine configuration, how a fullscreen picture is
// fitted to the display, and whether developer mode is on.
//
// Developer mode gates every developer key and the debug console, so that a
// player never triggers them by accident. The shipped settings leave it off.

#include "engine/core/EngineConfig.h"
#include "engine/core/Singleton.h"

namespace Engine {

class cEngineSettings : public Singleton<cEngineSettings> {
public:
    EngineConfig config;
    bool enforce_res = false;     // fullscreen pictures keep 16:9 instead of the settings' ratio
    bool developer_mode = false;  // developer keys and console active

private:
    friend class Singleton<cEngineSettings>;
    cEngineSettings() = default;
};

}  // namespace Engine
