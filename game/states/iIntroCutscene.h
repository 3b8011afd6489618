#pragma once
// iIntroCutscene: what the gameplay state needs of a level's intro cutscene.
// The intro sub-state advances it every frame, Escape skips it, and play
// begins once it reports that it is finished. No cutscene class implements it
// yet: until one does, every level starts in play (see
// cGameState_Prototype1::LoadIntroCutscene).

namespace Game {

class iIntroCutscene {
public:
    virtual ~iIntroCutscene() = default;
    // Advances the cutscene by dt seconds.
    virtual void Update(float dt) = 0;
    // Jumps to the end; Finished answers true from then on.
    virtual void Skip() = 0;
    virtual bool Finished() const = 0;
};

}  // namespace Game
