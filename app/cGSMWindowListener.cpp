#include "app/cGSMWindowListener.h"

#include "app/cGameStateManager.h"
#include "engine/platform/cWindow.h"

namespace Game {

cGSMWindowListener::cGSMWindowListener(cGameStateManager* manager_) : manager(manager_) {
    Engine::cWindow::Instance().AddWindowListener(this);
}

cGSMWindowListener::~cGSMWindowListener() {
    Engine::cWindow::Instance().RemoveWindowListener(this);
}

void cGSMWindowListener::OnWindowClosed() {
    manager->next_id = StateQuit;
}

}  // namespace Game
