#pragma once
// cGSMWindowListener: turns the main window being closed into a quit request.
//
// Owned by the game state manager; it registers itself with the window on
// construction and removes itself on destruction.

#include "engine/platform/iWindowEventListener.h"

namespace Game {

class cGameStateManager;

class cGSMWindowListener : public Engine::iWindowEventListener {
public:
    explicit cGSMWindowListener(cGameStateManager* manager);
    ~cGSMWindowListener() override;
    cGSMWindowListener(const cGSMWindowListener&) = delete;
    cGSMWindowListener& operator=(const cGSMWindowListener&) = delete;

    // Requests StateQuit; the run ends at the end of the current frame.
    void OnWindowClosed() override;

private:
    cGameStateManager* manager;
};

}  // namespace Game
