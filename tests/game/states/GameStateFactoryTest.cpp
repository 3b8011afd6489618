#include <gtest/gtest.h>

#include <set>
#include <typeindex>

#include "game/states/cGameStateFactory.h"

namespace Game {
namespace {

TEST(GameStateFactory, EveryStateIdentifierHasItsOwnClass) {
    std::set<std::type_index> classes;
    for (GameStateId id = StateSplash; id <= StateEnd; ++id) {
        std::unique_ptr<iGameState> state = cGameStateFactory::Create(id);
        if (id == StateRestart || id == StateQuit) {
            EXPECT_EQ(state, nullptr) << "id " << id;
            continue;
        }
        ASSERT_NE(state, nullptr) << "id " << id;
        classes.insert(std::type_index(typeid(*state)));
    }
    EXPECT_EQ(classes.size(), 14u);
}

TEST(GameStateFactory, IdentifiersOutsideTheTableMakeNothing) {
    for (GameStateId id : {GameStateId{StateNone}, GameStateId{17}, GameStateId{-1}, GameStateId{1000}}) {
        EXPECT_EQ(cGameStateFactory::Create(id), nullptr) << "id " << id;
    }
}

}  // namespace
}  // namespace Game
