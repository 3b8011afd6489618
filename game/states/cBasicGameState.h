#pragma once
// cBasicGameState: the common base of the game states.
//
// Every operation has an empty body, so a state overrides only what it uses.
// Render is the drawing that all states but gameplay share: begin a frame,
// draw the scene, end and present the frame.

#include "app/iGameState.h"

namespace Game {

class cBasicGameState : public iGameState {
public:
    void Load() override {}
    void Enter() override {}
    void Update(float) override {}
    void Render() override;
    void Exit() override {}
    void Unload() override {}
};

}  // namespace Game
