#include "engine/render/scene/cLightPool.h"

#include <algorithm>

#include "engine/core/cLog.h"

namespace Engine {

cLightPool::~cLightPool() { ReleaseAll(); }

cLightGfxCmp* cLightPool::CreateLight(const std::string& name) {
    cLightGfxCmp* light = pool.Take();
    light->Initialise(name);
    lights.push_back(light);
    return light;
}

void cLightPool::ReleaseLight(cLightGfxCmp*& light) {
    const auto found = std::find(lights.begin(), lights.end(), light);
    if (light == nullptr || found == lights.end()) {
        LogError("a light that is not in use was released; it is left alone");
        return;
    }
    lights.erase(found);
    light->Release();
    pool.GiveBack(light);
    light = nullptr;
}

void cLightPool::ReleaseAll() {
    while (!lights.empty()) {
        cLightGfxCmp* light = lights.back();
        ReleaseLight(light);
    }
}

}  // namespace Engine
