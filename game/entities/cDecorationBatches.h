#pragma once
// cDecorationBatches: the large static models the decoration batcher makes
// after a level's decorations are read, and their release with the level.
//
// Bake takes every id of the batch list, sorts its instances into the
// partition groups by the bounding box of the id's mesh, and for each
// non-empty group bakes one static mesh (cDecorationBatchList::BatchMeshName)
// from copies of that mesh at the instances' matrices, shown by one static
// model component with the id's texture set and material and the identity
// transform. The list is emptied. The decorations keep their own models.
//
// Release gives every batch model back and with it its mesh, so that the next
// level bakes its meshes afresh under the same names; the game factory calls
// it from ReleaseAll, when a state lets go of the level's entities. A Bake
// also releases the batches of an earlier bake first.

#include <cstddef>
#include <string>
#include <vector>

#include "engine/core/Singleton.h"

namespace Engine {
class cModelGfxCmp;
}

namespace Game {

class cDecorationBatches : public Engine::Singleton<cDecorationBatches> {
public:
    // Bakes the batch list into models (see the banner); the number of batch models made.
    std::size_t Bake();
    // Gives every batch model back to the model pool.
    void Release();

    // The batch models of the last bake, id by id in id order, groups in order.
    const std::vector<Engine::cModelGfxCmp*>& Models() const { return models; }

private:
    friend class Engine::Singleton<cDecorationBatches>;
    cDecorationBatches() = default;

    void BakeId(const std::string& id);

    std::vector<Engine::cModelGfxCmp*> models;
};

}  // namespace Game
