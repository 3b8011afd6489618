#pragma once
// iGameState: one screen of the program (splash, menu, gameplay, editor, ...).
//
// The game state manager creates a state object from its identifier and calls
// Load once; each run of the state is Enter, any number of frames of Update
// and Render, then Exit; a restart runs Exit and Enter again on the same
// object; Unload comes once before the object is destroyed.

namespace Game {

class iGameState {
public:
    // Once, right after creation; not on a restart.
    virtual void Load() = 0;
    // At the start of every run, restarts included.
    virtual void Enter() = 0;
    // Once per frame; dt is the duration of the previous frame in seconds.
    virtual void Update(float dt) = 0;
    // Once per frame, after Update.
    virtual void Render() = 0;
    // At the end of every run, restarts included.
    virtual void Exit() = 0;
    // Once, before the object is destroyed; not on a restart.
    virtual void Unload() = 0;
    virtual ~iGameState() = default;
};

}  // namespace Game
