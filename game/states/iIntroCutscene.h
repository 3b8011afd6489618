#pragma once
// iIntroCutscene: what the gameplay state needs of a level's intro cutscene
// (cCutscene plays one). The intro sub-state advances it every frame, Escape
// asks it to end, and play begins once it reports that it is finished.

namespace Game {

class iIntroCutscene {
public:
    virtual ~iIntroCutscene() = default;
    // Advances the cutscene by dt seconds.
    virtual void Update(float dt) = 0;
    // Asks the cutscene to end: during a rest it fades out and then finishes;
    // asked during a fade-in or a move, it forgets it.
    virtual void Skip() = 0;
    virtual bool Finished() const = 0;
};

}  // namespace Game
