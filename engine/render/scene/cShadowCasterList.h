#pragma once
// cShadowCasterList: the lights that cast shadows, in the order they started
// to. The shadow pass draws one depth pass per light of the list; each light
// is on it at most once, however often it is told to cast shadows, so no
// light draws its shadow map twice a frame. The list does not own its lights:
// a light takes itself off before it goes away.

#include <vector>

#include "engine/core/Singleton.h"
#include "engine/render/scene/iShadowCaster.h"

namespace Engine {

class cShadowCasterList : public Singleton<cShadowCasterList> {
public:
    // Appends the light unless it is already on the list (or null); true when appended.
    bool Add(iShadowCaster* caster);
    // Takes the light off the list; false when it was not on it.
    bool Remove(const iShadowCaster* caster);
    bool Contains(const iShadowCaster* caster) const;
    const std::vector<iShadowCaster*>& Casters() const { return casters; }

private:
    std::vector<iShadowCaster*> casters;
};

}  // namespace Engine
