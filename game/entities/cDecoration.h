#pragma once
// cDecoration: a prop from the decoration catalogue (a tree, a rock, a
// gravestone...) standing where the level puts it. It shows the catalogue
// entry's model, and a solid entry also gets a static box in the
// "Decoration" collision group, the size of its mesh, that stops the kid.
//
// The world matrix is built once, at set-up: trees take a random yaw
// whatever the level says, and the ghost prop is tilted and turned at random
// (see DecorationPlacement). Outside the scene editor and the results screen
// the decoration also records itself in the batch list, so that the loader
// can merge all props of a kind into a few static meshes once the level is
// read.

#include <cstdint>
#include <string>

#include "engine/entity/cEntity.h"
#include "game/entities/eGameEntityTypes.h"
#include "game/entities/iLevelObject.h"

namespace Game {

struct sDecorationModel;

class cDecoration : public Engine::cEntity, public iLevelObject {
public:
    // The game states that keep every decoration an individual model.
    static constexpr int kSceneEditorState = 5;
    static constexpr int kResultsState = 13;
    // The collision group of solid props.
    static constexpr const char* kCollisionGroup = "Decoration";

    std::int32_t GetType() const override { return GAME_ENT_TYPES::DECORATION; }

    // Looks values.catalogue_id up in the decoration catalogue and builds the
    // prop; false, logged, when the catalogue has no such entry.
    bool SetUpFromLevel(const LevelObjectValues& values) override;
    // The matrix is built once at set-up; nothing moves a prop.
    void Update(float dt) override;
    // Forgets the id and runs the entity reset, which hands back the model and the box.
    void Reset() override;

    std::string catalogue_id;

private:
    void CreateModel(const sDecorationModel& entry);
    void CreateSolidBox(const sDecorationModel& entry);
};

}  // namespace Game
