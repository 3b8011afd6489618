#pragma once
// cGameData: the process-wide game-data record handed to the catalogue loader.
//
// Its creation seeds the game's random generator from the clock, so whichever
// start-up step makes the record first (the settings reader, or start-up
// itself when the settings could not be read) seeds it, once per process. A
// seed given on the command line is applied before and wins.

#include "engine/core/Singleton.h"

namespace Game {

class cGameData : public Engine::Singleton<cGameData> {
public:
    // False: the shadow materials and shader programs are built at start-up.
    bool enable_tessary = true;
    // On: a kid set up from now on owns a challenge spawner, so challenge
    // points send waves of enemies. The main menu turns it on when it starts a game.
    bool challenge_spawning = false;

private:
    friend class Engine::Singleton<cGameData>;
    cGameData();
};

}  // namespace Game
