#include "engine/render/scene/cShadowCasterList.h"

#include <algorithm>

namespace Engine {

bool cShadowCasterList::Add(iShadowCaster* caster) {
    if (caster == nullptr || Contains(caster)) return false;
    casters.push_back(caster);
    return true;
}

bool cShadowCasterList::Remove(const iShadowCaster* caster) {
    const auto found = std::find(casters.begin(), casters.end(), caster);
    if (found == casters.end()) return false;
    casters.erase(found);
    return true;
}

bool cShadowCasterList::Contains(const iShadowCaster* caster) const {
    return std::find(casters.begin(), casters.end(), caster) != casters.end();
}

}  // namespace Engine
