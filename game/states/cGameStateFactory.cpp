#include "game/states/cGameStateFactory.h"

#include "game/states/cGameState_EndState.h"
#include "game/states/cGameState_ExitGame.h"
#include "game/states/cGameState_Game.h"
#include "game/states/cGameState_MainMenu.h"
#include "game/states/cGameState_ModelViewer.h"
#include "game/states/cGameState_Prototype1.h"
#include "game/states/cGameState_Sandbox1.h"
#include "game/states/cGameState_Sandbox2.h"
#include "game/states/cGameState_Sandbox3.h"
#include "game/states/cGameState_SceneEditor.h"
#include "game/states/cGameState_Splash.h"
#include "game/states/cGameState_TeamSplash.h"
#include "game/states/cGameState_Tester.h"
#include "game/states/cGameState_WinScreen.h"

namespace Game {

std::unique_ptr<iGameState> cGameStateFactory::Create(GameStateId id) {
    switch (id) {
        case StateSplash: return std::make_unique<cGameState_Splash>();
        case StateTeamSplash: return std::make_unique<cGameState_TeamSplash>();
        case StateMainMenu: return std::make_unique<cGameState_MainMenu>();
        case StateGame: return std::make_unique<cGameState_Game>();
        case StateSceneEditor: return std::make_unique<cGameState_SceneEditor>();
        case StateTester: return std::make_unique<cGameState_Tester>();
        case StateSandbox1: return std::make_unique<cGameState_Sandbox1>();
        case StateSandbox2: return std::make_unique<cGameState_Sandbox2>();
        case StateSandbox3: return std::make_unique<cGameState_Sandbox3>();
        case StatePrototype1: return std::make_unique<cGameState_Prototype1>();
        case StateModelViewer: return std::make_unique<cGameState_ModelViewer>();
        case StateExitGame: return std::make_unique<cGameState_ExitGame>();
        case StateWinScreen: return std::make_unique<cGameState_WinScreen>();
        case StateEnd: return std::make_unique<cGameState_EndState>();
        default: return nullptr;
    }
}

}  // namespace Game
