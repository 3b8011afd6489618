#pragma once
// cDeveloperKeys: the main loop's developer shortcuts.
//
// Checked once per frame after the state has rendered, only in developer
// mode. Every shortcut requests a state through next_id; when several are
// pressed in one frame they are handled in the order below and the last
// request wins:
//   Ctrl+F1  gameplay            Ctrl+F3  sandbox 3
//   Ctrl+F4  scene editor, with the system cursor shown and the checkpoint record cleared
//   Ctrl+R   restart             F5 / F6  restart at the next / previous level
//                                         (the level number never goes below 0)
//   F7       model viewer

namespace Engine {
class cKeyboardState;
}

namespace Game {

class cGameStateManager;

class cDeveloperKeys {
public:
    // Reads the keys pressed this frame and writes the requests they make.
    static void Process(const Engine::cKeyboardState& keyboard, cGameStateManager& manager);
};

}  // namespace Game
