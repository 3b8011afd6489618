#include <gtest/gtest.h>

#include <typeindex>

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
namespace {

TEST(GameStateFactory, EveryStateIdentifierMakesTheClassOfItsTable) {
    struct Row {
        GameStateId id;
        std::type_index type;
        const char* class_name;
    };
    const Row table[] = {
        {StateSplash, typeid(cGameState_Splash), "cGameState_Splash"},
        {StateTeamSplash, typeid(cGameState_TeamSplash), "cGameState_TeamSplash"},
        {StateMainMenu, typeid(cGameState_MainMenu), "cGameState_MainMenu"},
        {StateGame, typeid(cGameState_Game), "cGameState_Game"},
        {StateSceneEditor, typeid(cGameState_SceneEditor), "cGameState_SceneEditor"},
        {StateTester, typeid(cGameState_Tester), "cGameState_Tester"},
        {StateSandbox1, typeid(cGameState_Sandbox1), "cGameState_Sandbox1"},
        {StateSandbox2, typeid(cGameState_Sandbox2), "cGameState_Sandbox2"},
        {StateSandbox3, typeid(cGameState_Sandbox3), "cGameState_Sandbox3"},
        {StatePrototype1, typeid(cGameState_Prototype1), "cGameState_Prototype1"},
        {StateModelViewer, typeid(cGameState_ModelViewer), "cGameState_ModelViewer"},
        {StateExitGame, typeid(cGameState_ExitGame), "cGameState_ExitGame"},
        {StateWinScreen, typeid(cGameState_WinScreen), "cGameState_WinScreen"},
        {StateEnd, typeid(cGameState_EndState), "cGameState_EndState"},
    };
    for (const Row& row : table) {
        std::unique_ptr<iGameState> state = cGameStateFactory::Create(row.id);
        ASSERT_NE(state, nullptr) << "id " << row.id;
        EXPECT_EQ(std::type_index(typeid(*state)), row.type) << "id " << row.id << " should make " << row.class_name;
    }
    EXPECT_EQ(cGameStateFactory::Create(StateRestart), nullptr);
    EXPECT_EQ(cGameStateFactory::Create(StateQuit), nullptr);
}

TEST(GameStateFactory, IdentifiersOutsideTheTableMakeNothing) {
    for (GameStateId id : {GameStateId{StateNone}, GameStateId{17}, GameStateId{-1}, GameStateId{1000}}) {
        EXPECT_EQ(cGameStateFactory::Create(id), nullptr) << "id " << id;
    }
}

}  // namespace
}  // namespace Game
